<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CoreMessages</name>
    <message>
        <source>Cannot open file %1: not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1: it asks for a grid of %2 columns and %3 rows, more than the %4 columns and %5 rows a project can have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1: it asks for a grid of %2 columns and %3 rows, more than the %4 cells a project can have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1: it holds more than the %2 columns or %3 rows a project can have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1: it holds more than the %2 cells a project can have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file %1: it holds a line of more than %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file %1: out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Create %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot rename %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create a folder without a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot change to folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not private</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no folder for backups (HOME is not set)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot print to printer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot print to file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer reported an error while printing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export %1: a workbook sheet holds at most 1,048,576 rows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export %1: a workbook sheet holds at most 16,384 columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export %1: the text in cell %2 is longer than the 32,767 characters a workbook cell holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export to %1: the name must end in .xlsx, .ods or .csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grid cannot hold that many cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grid cannot have %1 columns and %2 rows, more than the %3 columns and %4 rows a project can have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The grid cannot have %1 columns and %2 rows, more than the %3 cells a project can have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid index out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed row count must be less than row count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A cell cannot hold more than 4 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard holds more cells than a project can have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid number of hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This change cannot be undone (too large)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the first column of the row you want to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, no search text has been entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, next &quot;%1&quot; not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry, &quot;%1&quot; not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a task row first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added %1 h to task %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;Total for project&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error calculating total...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 task has Hours or Cost that is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 tasks have Hours or Cost that are not numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while the stopwatch was running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep the time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove the away time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stopwatch has been running for %1 hour.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stopwatch has been running for %1 hours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillet1 - track your time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Viewing details for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the current project?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please use Save Project As option for the first-time save of this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer on disk; saving will write it anew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed on disk; saving will ask before overwriting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 changed on disk and could not be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reloaded: changed on disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a Quillet1 project file. Replace it with this project?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converted to the new format; the original was kept as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error converting file to new format...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillet1 did not close normally. Recover the unsaved changes to %1 from %2? (An older copy of it is kept too.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillet1 did not close normally. Recover the unsaved changes to %1 from %2? (%3 older copies of it are kept too.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillet1 did not close normally. Recover the unsaved changes to %1 from %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovery copy of %1 from %2 is damaged; it was kept in %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup skipped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery copy not written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups are off: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery copies are off: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add total to bottom of grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Task #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Task Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Timer to Task Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Column Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear this Reopen file list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import old file (CSV format)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sav&amp;e Project As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change Column Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Font Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add New Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fi&amp;nd Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Highlighted Cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate &amp;Total for current project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;S - Start/Resume Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;X - Stop Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Timer to Task &amp;Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopwatch &amp;Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calendar...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Summary...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sort by Task #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by Task Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help &amp;Contents...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Quillet1 home page...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillet1 Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add new Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete current Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recalculate Total for project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add total to bottom of grid </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing the project...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Project files (*.prj);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delimited text (*.csv *.txt *.tsv *.prj);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Project File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Project File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet (*.ods)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV, comma-separated (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Timer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notice</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillet::FindDialog</name>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillet::Form1</name>
    <message>
        <source>Total Cost/Fees for current project: $</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right-click for options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working on the project file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillet::FrmAbout</name>
    <message>
        <source>About Quillet1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web site:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program allows you to track where you spend your time - which tasks, projects, etc.  I welcome your feedback.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillet::FrmCal</name>
    <message>
        <source>Quillet1 - Calendar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillet::FrmColumnNames</name>
    <message>
        <source>Quillet1 - Change Column Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NOTE:  If you use the word &quot;date&quot; or &quot;Date&quot; in the name, the data will automatically be formatted as mm/dd/yyyy for you.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillet::FrmRestoreBackup</name>
    <message>
        <source>Restore Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillet::FrmStopwatchSettings</name>
    <message>
        <source>Idle time from the X server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idle time from the desktop (D-Bus)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No idle time available on this desktop: time away cannot be noticed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 (never)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 = never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillet1 - Stopwatch Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask about time &amp;away after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minutes without input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;mind me after the stopwatch has run for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hours</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillet::FrmSummary</name>
    <message>
        <source>Summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary by period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the first of them in the task table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasks of the selected period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart the hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart the cost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the summary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Group by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date to group by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summary — %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillet::GridView</name>
    <message>
        <source>Tasks</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quillet::SummaryChartView</name>
    <message>
        <source>Summary chart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
