<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CoreMessages</name>
    <message>
        <source>The stopwatch holds %1 for task %2 that is not in its Hours. Add it before closing?</source>
        <translation>Die Stoppuhr enthält %1 für Aufgabe %2, die nicht in ihren Stunden stehen. Vor dem Schließen hinzufügen?</translation>
    </message>
    <message>
        <source>Timing task %1</source>
        <translation>Zeitmessung für Aufgabe %1</translation>
    </message>
    <message>
        <source>Timing task %1: %2</source>
        <translation>Zeitmessung für Aufgabe %1: %2</translation>
    </message>
    <message>
        <source>Time task %1</source>
        <translation>Aufgabe %1 messen</translation>
    </message>
    <message>
        <source>Time task %1: %2</source>
        <translation>Aufgabe %1 messen: %2</translation>
    </message>
    <message>
        <source>The stopwatch holds %1 that is not in any task&apos;s Hours. Add it to the selected task before closing?</source>
        <translation>Die Stoppuhr enthält %1, die in den Stunden keiner Aufgabe stehen. Vor dem Schließen zur ausgewählten Aufgabe hinzufügen?</translation>
    </message>
    <message>
        <source>The stopwatch holds %1 for task %2 (%3) that is not in its Hours. Add it before closing?</source>
        <translation>Die Stoppuhr enthält %1 für Aufgabe %2 (%3), die nicht in ihren Stunden stehen. Vor dem Schließen hinzufügen?</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Don&apos;t Add</source>
        <translation>&amp;Nicht hinzufügen</translation>
    </message>
    <message>
        <source>The stopwatch holds %1 for no task. Add it to task %2 before timing it, or discard it?</source>
        <translation>Die Stoppuhr enthält %1 für keine Aufgabe. Vor dem Messen zu Aufgabe %2 hinzufügen oder verwerfen?</translation>
    </message>
    <message>
        <source>&amp;Add to this task</source>
        <translation>Zu dieser Aufgabe &amp;hinzufügen</translation>
    </message>
    <message>
        <source>D&amp;iscard it</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Timed today %1 h · Week %2 h</source>
        <translation>Heute gemessen %1 h · Woche %2 h</translation>
    </message>
    <message>
        <source>There is no task %1</source>
        <translation>Es gibt keine Aufgabe %1</translation>
    </message>
    <message>
        <source>The stopwatch holds time for no task: book it or reset it first</source>
        <translation>Die Stoppuhr enthält Zeit für keine Aufgabe: Erst buchen oder zurücksetzen</translation>
    </message>
    <message>
        <source>Task %1 is gone from the table: the stopwatch keeps its time, for no task</source>
        <translation>Aufgabe %1 ist nicht mehr in der Tabelle: Die Stoppuhr behält ihre Zeit, für keine Aufgabe</translation>
    </message>
    <message>
        <source>Cannot open file %1: not a regular file</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: Sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot open file %1: it asks for a grid of %2 columns and %3 rows, more than the %4 columns and %5 rows a project can have</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: Sie verlangt eine Tabelle mit %2 Spalten und %3 Zeilen, mehr als die %4 Spalten und %5 Zeilen, die ein Projekt haben kann</translation>
    </message>
    <message>
        <source>Cannot open file %1: it asks for a grid of %2 columns and %3 rows, more than the %4 cells a project can have</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: Sie verlangt eine Tabelle mit %2 Spalten und %3 Zeilen, mehr als die %4 Zellen, die ein Projekt haben kann</translation>
    </message>
    <message>
        <source>Cannot open file %1: it holds more than the %2 columns or %3 rows a project can have</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: Sie enthält mehr als die %2 Spalten oder %3 Zeilen, die ein Projekt haben kann</translation>
    </message>
    <message>
        <source>Cannot open file %1: it holds more than the %2 cells a project can have</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: Sie enthält mehr als die %2 Zellen, die ein Projekt haben kann</translation>
    </message>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Cannot read file %1: it holds a line of more than %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: Sie enthält eine Zeile mit mehr als %2</translation>
    </message>
    <message>
        <source>Cannot read file %1: %2</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write file %1: out of memory</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: Der Speicher reicht nicht aus</translation>
    </message>
    <message>
        <source>Cannot write file %1: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot Create %1</source>
        <translation>%1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot create %1: not a regular file</source>
        <translation>%1 kann nicht erstellt werden: Es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>%1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot rename %1</source>
        <translation>%1 kann nicht umbenannt werden</translation>
    </message>
    <message>
        <source>Cannot create a folder without a name</source>
        <translation>Ein Ordner ohne Namen kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Cannot create folder %1: %2</source>
        <translation>Der Ordner %1 kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>Cannot change to folder %1: %2</source>
        <translation>In den Ordner %1 kann nicht gewechselt werden: %2</translation>
    </message>
    <message>
        <source>%1 is not private</source>
        <translation>%1 ist nicht privat</translation>
    </message>
    <message>
        <source>no folder for backups (HOME is not set)</source>
        <translation>kein Ordner für Sicherungen (HOME ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>Cannot print to printer %1</source>
        <translation>Auf dem Drucker %1 kann nicht gedruckt werden</translation>
    </message>
    <message>
        <source>Cannot print to file %1</source>
        <translation>In die Datei %1 kann nicht gedruckt werden</translation>
    </message>
    <message>
        <source>The printer reported an error while printing.</source>
        <translation>Der Drucker hat beim Drucken einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>Cannot export %1: a workbook sheet holds at most 1,048,576 rows.</source>
        <translation>%1 kann nicht exportiert werden: Ein Arbeitsblatt fasst höchstens 1.048.576 Zeilen.</translation>
    </message>
    <message>
        <source>Cannot export %1: a workbook sheet holds at most 16,384 columns.</source>
        <translation>%1 kann nicht exportiert werden: Ein Arbeitsblatt fasst höchstens 16.384 Spalten.</translation>
    </message>
    <message>
        <source>Cannot export %1: the text in cell %2 is longer than the 32,767 characters a workbook cell holds.</source>
        <translation>%1 kann nicht exportiert werden: Der Text in Zelle %2 ist länger als die 32.767 Zeichen, die eine Arbeitsmappenzelle fasst.</translation>
    </message>
    <message>
        <source>Cannot export to %1: the name must end in .xlsx, .ods or .csv</source>
        <translation>Export nach %1 nicht möglich: Der Name muss auf .xlsx, .ods oder .csv enden</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exportiert nach %1</translation>
    </message>
    <message>
        <source>The grid cannot hold that many cells</source>
        <translation>So viele Zellen fasst die Tabelle nicht</translation>
    </message>
    <message>
        <source>The grid cannot have %1 columns and %2 rows, more than the %3 columns and %4 rows a project can have</source>
        <translation>Die Tabelle kann nicht %1 Spalten und %2 Zeilen haben, mehr als die %3 Spalten und %4 Zeilen, die ein Projekt haben kann</translation>
    </message>
    <message>
        <source>The grid cannot have %1 columns and %2 rows, more than the %3 cells a project can have</source>
        <translation>Die Tabelle kann nicht %1 Spalten und %2 Zeilen haben, mehr als die %3 Zellen, die ein Projekt haben kann</translation>
    </message>
    <message>
        <source>Grid index out of range</source>
        <translation>Tabellenindex außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Fixed row count must be less than row count</source>
        <translation>Die Zahl der festen Zeilen muss kleiner als die Zeilenzahl sein</translation>
    </message>
    <message>
        <source>A cell cannot hold more than 4 GB</source>
        <translation>Eine Zelle kann nicht mehr als 4 GB fassen</translation>
    </message>
    <message>
        <source>The clipboard holds more cells than a project can have</source>
        <translation>Die Zwischenablage enthält mehr Zellen, als ein Projekt haben kann</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>„%1“ ist kein gültiges Datum mit Uhrzeit</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid number of hours</source>
        <translation>„%1“ ist keine gültige Stundenzahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>This change cannot be undone (too large)</source>
        <translation>Diese Änderung kann nicht rückgängig gemacht werden (zu groß)</translation>
    </message>
    <message>
        <source>Please select the first column of the row you want to delete.</source>
        <translation>Bitte wählen Sie die erste Spalte der Zeile, die Sie löschen möchten.</translation>
    </message>
    <message>
        <source>Sorry, no search text has been entered</source>
        <translation>Es wurde leider kein Suchtext eingegeben</translation>
    </message>
    <message>
        <source>Sorry, next &quot;%1&quot; not found.</source>
        <translation>Leider kein weiteres „%1“ gefunden.</translation>
    </message>
    <message>
        <source>Sorry, &quot;%1&quot; not found.</source>
        <translation>„%1“ wurde leider nicht gefunden.</translation>
    </message>
    <message>
        <source>Select a task row first</source>
        <translation>Wählen Sie zuerst eine Aufgabenzeile</translation>
    </message>
    <message>
        <source>Added %1 h to task %2</source>
        <translation>%1 h zu Aufgabe %2 addiert</translation>
    </message>
    <message>
        <source>Error calculating total...</source>
        <translation>Fehler beim Berechnen der Gesamtsumme...</translation>
    </message>
    <message>
        <source>1 task has Hours or Cost that is not a number</source>
        <translation>1 Aufgabe hat Stunden oder Kosten, die keine Zahl sind</translation>
    </message>
    <message>
        <source>%1 tasks have Hours or Cost that are not numbers</source>
        <translation>%1 Aufgaben haben Stunden oder Kosten, die keine Zahlen sind</translation>
    </message>
    <message>
        <source>You were away from %1 to %2 (%3) while the stopwatch was running.</source>
        <translation>Sie waren von %1 bis %2 (%3) abwesend, während die Stoppuhr lief.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>&amp;Keep the time</source>
        <translation>Zeit &amp;behalten</translation>
    </message>
    <message>
        <source>&amp;Remove the away time</source>
        <translation>Abwesenheit &amp;abziehen</translation>
    </message>
    <message>
        <source>&amp;Stop at %1</source>
        <translation>Um %1 &amp;anhalten</translation>
    </message>
    <message>
        <source>The stopwatch has been running for %1 hour.</source>
        <translation>Die Stoppuhr läuft seit %1 Stunde.</translation>
    </message>
    <message>
        <source>The stopwatch has been running for %1 hours.</source>
        <translation>Die Stoppuhr läuft seit %1 Stunden.</translation>
    </message>
    <message>
        <source>Quillet1 - track your time</source>
        <translation>Quillet1 - Ihre Zeit im Blick</translation>
    </message>
    <message>
        <source>Viewing details for %1</source>
        <translation>Details zu %1</translation>
    </message>
    <message>
        <source>Untitled Project</source>
        <translation>Unbenanntes Projekt</translation>
    </message>
    <message>
        <source>Do you want to save the current project?</source>
        <translation>Möchten Sie das aktuelle Projekt speichern?</translation>
    </message>
    <message>
        <source>Please use Save Project As option for the first-time save of this file.</source>
        <translation>Bitte verwenden Sie „Projekt speichern unter“, um diese Datei zum ersten Mal zu speichern.</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it.</source>
        <translation>%1 wurde von einem anderen Programm geändert, seit Sie die Datei geöffnet haben.</translation>
    </message>
    <message>
        <source>%1 is no longer on disk; saving will write it anew</source>
        <translation>%1 ist nicht mehr auf dem Datenträger; Speichern schreibt die Datei neu</translation>
    </message>
    <message>
        <source>%1 changed on disk; saving will ask before overwriting</source>
        <translation>%1 wurde auf dem Datenträger geändert; Speichern fragt vor dem Überschreiben</translation>
    </message>
    <message>
        <source>%1 changed on disk and could not be read: %2</source>
        <translation>%1 wurde auf dem Datenträger geändert und konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 changed on disk but is not a project file; the table was kept</source>
        <translation>%1 wurde auf dem Datenträger geändert, ist aber keine Projektdatei; die Tabelle bleibt, wie sie war</translation>
    </message>
    <message>
        <source>Reloaded: changed on disk</source>
        <translation>Neu geladen: auf dem Datenträger geändert</translation>
    </message>
    <message>
        <source>%1 is not a Quillet1 project file. Replace it with this project?</source>
        <translation>%1 ist keine Quillet1-Projektdatei. Durch dieses Projekt ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>&amp;Überschreiben</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Converted to the new format; the original was kept as %1</source>
        <translation>In das neue Format umgewandelt; das Original wurde als %1 aufbewahrt</translation>
    </message>
    <message>
        <source>Error converting file to new format...</source>
        <translation>Fehler beim Umwandeln der Datei in das neue Format...</translation>
    </message>
    <message>
        <source>Quillet1 did not close normally. Recover the unsaved changes to %1 from %2? (An older copy of it is kept too.)</source>
        <translation>Quillet1 wurde nicht normal beendet. Die ungespeicherten Änderungen an %1 vom %2 wiederherstellen? (Eine ältere Kopie davon wird ebenfalls aufbewahrt.)</translation>
    </message>
    <message>
        <source>Quillet1 did not close normally. Recover the unsaved changes to %1 from %2? (%3 older copies of it are kept too.)</source>
        <translation>Quillet1 wurde nicht normal beendet. Die ungespeicherten Änderungen an %1 vom %2 wiederherstellen? (%3 ältere Kopien davon werden ebenfalls aufbewahrt.)</translation>
    </message>
    <message>
        <source>Quillet1 did not close normally. Recover the unsaved changes to %1 from %2?</source>
        <translation>Quillet1 wurde nicht normal beendet. Die ungespeicherten Änderungen an %1 vom %2 wiederherstellen?</translation>
    </message>
    <message>
        <source>The recovery copy of %1 from %2 is damaged; it was kept in %3</source>
        <translation>Die Wiederherstellungskopie von %1 vom %2 ist beschädigt; sie wurde in %3 aufbewahrt</translation>
    </message>
    <message>
        <source>The recovery note %1 is damaged; it and its copy were kept in %2</source>
        <translation>Die Wiederherstellungsnotiz %1 ist beschädigt; sie und ihre Kopie wurden in %2 aufbewahrt</translation>
    </message>
    <message>
        <source>Backup skipped: %1</source>
        <translation>Sicherung ausgelassen: %1</translation>
    </message>
    <message>
        <source>Recovery copy not written: %1</source>
        <translation>Wiederherstellungskopie nicht geschrieben: %1</translation>
    </message>
    <message>
        <source>Backups are off: %1</source>
        <translation>Sicherungen sind aus: %1</translation>
    </message>
    <message>
        <source>Recovery copies are off: %1</source>
        <translation>Wiederherstellungskopien sind aus: %1</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Timer: %1</source>
        <translation>Stoppuhr: %1</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für „%1“</translation>
    </message>
    <message>
        <source>Failed to create key %1</source>
        <translation>Der Schlüssel %1 konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Die Daten für „%1“ konnten nicht gesetzt werden</translation>
    </message>
    <message>
        <source>Add total to bottom of grid</source>
        <translation>Gesamtsumme unten an die Tabelle anfügen</translation>
    </message>
    <message>
        <source>Add New Task</source>
        <translation>Neue Aufgabe hinzufügen</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>Aufgabe löschen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Typing in %1</source>
        <translation>Eingabe in %1</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Sort by Task #</source>
        <translation>Nach Aufgaben-Nr. sortieren</translation>
    </message>
    <message>
        <source>Sort by Task Date</source>
        <translation>Nach Aufgabendatum sortieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Add Timer to Task Hours</source>
        <translation>Stoppuhrzeit zu den Stunden der Aufgabe hinzufügen</translation>
    </message>
    <message>
        <source>Change Column Names</source>
        <translation>Spaltennamen ändern</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>No program could open the manual. It is the file
%1
and opens in any web browser.</source>
        <translation>Kein Programm konnte das Handbuch öffnen. Es ist die Datei
%1
und lässt sich in jedem Webbrowser öffnen.</translation>
    </message>
    <message>
        <source>Week %1, %2</source>
        <translation>Woche %1, %2</translation>
    </message>
    <message>
        <source>%1
Hours: %2
Cost: %3
Tasks: %4</source>
        <translation>%1
Stunden: %2
Kosten: %3
Aufgaben: %4</translation>
    </message>
    <message>
        <source>No period has hours</source>
        <translation>Kein Zeitraum hat Stunden</translation>
    </message>
    <message>
        <source>No period has a cost</source>
        <translation>Kein Zeitraum hat Kosten</translation>
    </message>
    <message>
        <source>week %1</source>
        <translation>Woche %1</translation>
    </message>
    <message>
        <source>Largest: %1, %2 h</source>
        <translation>Am größten: %1, %2 Std.</translation>
    </message>
    <message>
        <source>Largest: %1, cost %2</source>
        <translation>Am größten: %1, Kosten %2</translation>
    </message>
    <message>
        <source>No date</source>
        <translation>Ohne Datum</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>No tasks from %1 to %2</source>
        <translation>Keine Aufgaben von %1 bis %2</translation>
    </message>
    <message>
        <source>Cannot export %1: it does not look like a project file</source>
        <translation>%1 kann nicht exportiert werden: Es sieht nicht wie eine Projektdatei aus</translation>
    </message>
    <message>
        <source>%1 changed on disk and is now %2 bytes, too large to reload unasked; the table was kept</source>
        <translation>%1 wurde auf der Festplatte geändert und ist jetzt %2 Bytes groß, zu groß, um ungefragt neu geladen zu werden; die Tabelle wurde beibehalten</translation>
    </message>
    <message>
        <source>%1 does not look like a project file</source>
        <translation>%1 sieht nicht wie eine Projektdatei aus</translation>
    </message>
    <message>
        <source>Cannot export %1: the spreadsheet writer could not be loaded (%2)</source>
        <translation>%1 kann nicht exportiert werden: Das Modul für Arbeitsmappen ließ sich nicht laden (%2)</translation>
    </message>
    <message>
        <source>&amp;Book until %1</source>
        <translation>Bis %1 &amp;buchen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Fortsetzen</translation>
    </message>
    <message>
        <source>Cannot read the work log %1: %2</source>
        <translation>Das Arbeitsprotokoll %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the work log %1: %2</source>
        <translation>Das Arbeitsprotokoll %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Some lines of the work log %1 could not be read and were skipped; the rest is kept:%2</source>
        <translation>Einige Zeilen des Arbeitsprotokolls %1 konnten nicht gelesen werden und wurden übersprungen; der Rest bleibt erhalten:%2</translation>
    </message>
    <message>
        <source>Task %1 is not in the table: the time stays in the work log, unbooked</source>
        <translation>Aufgabe %1 ist nicht in der Tabelle: Die Zeit bleibt ungebucht im Arbeitsprotokoll</translation>
    </message>
    <message>
        <source>Task %1 “%2” was being timed from %3 until Quillet1 stopped (last seen %4).</source>
        <translation>Aufgabe %1 „%2“ wurde von %3 an gemessen, bis Quillet1 beendet wurde (zuletzt gesehen %4).</translation>
    </message>
    <message>
        <source>The stopwatch times another task: the %1 taken back stays in the work log, unbooked</source>
        <translation>Die Stoppuhr misst eine andere Aufgabe: Die zurückgenommenen %1 bleiben ungebucht im Arbeitsprotokoll</translation>
    </message>
    <message>
        <source>The stopwatch was running from %1 until Quillet1 stopped (last seen %2).</source>
        <translation>Die Stoppuhr lief von %1 an, bis Quillet1 beendet wurde (zuletzt gesehen %2).</translation>
    </message>
    <message>
        <source>%1 has no work log (%2)</source>
        <translation>%1 hat kein Arbeitsprotokoll (%2)</translation>
    </message>
    <message>
        <source>A session cannot end before it starts</source>
        <translation>Ein Zeitabschnitt kann nicht enden, bevor er beginnt</translation>
    </message>
    <message>
        <source>Cannot export to %1: the name must end in .ics, .csv, .xlsx or .ods</source>
        <translation>Export nach %1 nicht möglich: Der Name muss auf .ics, .csv, .xlsx oder .ods enden</translation>
    </message>
    <message>
        <source>Change Work Log</source>
        <translation>Arbeitsprotokoll ändern</translation>
    </message>
    <message>
        <source>Hours of task %1 changed by %2 h</source>
        <translation>Stunden von Aufgabe %1 um %2 h geändert</translation>
    </message>
    <message>
        <source>Task %1 is not in the table: its Hours cannot follow the change</source>
        <translation>Aufgabe %1 ist nicht in der Tabelle: Ihre Stunden können der Änderung nicht folgen</translation>
    </message>
    <message>
        <source>That session is no longer in the work log</source>
        <translation>Dieser Zeitabschnitt ist nicht mehr im Arbeitsprotokoll</translation>
    </message>
    <message>
        <source>The stopwatch is not running</source>
        <translation>Die Stoppuhr läuft nicht</translation>
    </message>
    <message>
        <source>The stopwatch is timing this session: stop it before deleting it</source>
        <translation>Die Stoppuhr misst diesen Zeitabschnitt: Halten Sie sie an, bevor Sie ihn löschen</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Delete the session of task %1 on %2 from %3 to %4?</source>
        <translation>Den Zeitabschnitt von Aufgabe %1 am %2 von %3 bis %4 löschen?</translation>
    </message>
    <message>
        <source>Its time also comes off the task&apos;s Hours; Undo puts it back.</source>
        <translation>Seine Zeit wird auch von den Stunden der Aufgabe abgezogen; Rückgängig stellt sie wieder her.</translation>
    </message>
    <message>
        <source>It is not booked: this cannot be undone.</source>
        <translation>Er ist nicht gebucht: Das kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Time This &amp;Task</source>
        <translation>Zeit für diese Aufgabe &amp;messen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Project</source>
        <translation>&amp;Neues Projekt</translation>
    </message>
    <message>
        <source>&amp;Open Project...</source>
        <translation>Projekt ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Reopen</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Clear this Reopen file list</source>
        <translation>Liste der zuletzt geöffneten Dateien leeren</translation>
    </message>
    <message>
        <source>&amp;Import old file (CSV format)</source>
        <translation>Alte Datei &amp;importieren (CSV-Format)</translation>
    </message>
    <message>
        <source>Expor&amp;t...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Save Project</source>
        <translation>Projekt &amp;speichern</translation>
    </message>
    <message>
        <source>Sav&amp;e Project As...</source>
        <translation>Projekt speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Restore &amp;Backup...</source>
        <translation>Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Change Column Names</source>
        <translation>&amp;Spaltennamen ändern</translation>
    </message>
    <message>
        <source>Change Font Settings</source>
        <translation>Schriftart ändern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <source>&amp;Add New Task</source>
        <translation>Neue &amp;Aufgabe hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Task</source>
        <translation>Aufgabe &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd Again</source>
        <translation>Wei&amp;tersuchen</translation>
    </message>
    <message>
        <source>Reset Highlighted Cells</source>
        <translation>Hervorhebungen zurücksetzen</translation>
    </message>
    <message>
        <source>Calculate &amp;Total for current project</source>
        <translation>&amp;Gesamtsumme des aktuellen Projekts berechnen</translation>
    </message>
    <message>
        <source>&amp;Timer</source>
        <translation>&amp;Stoppuhr</translation>
    </message>
    <message>
        <source>&amp;S - Start/Resume Timer</source>
        <translation>&amp;S - Stoppuhr starten/fortsetzen</translation>
    </message>
    <message>
        <source>&amp;X - Stop Timer</source>
        <translation>&amp;X - Stoppuhr anhalten</translation>
    </message>
    <message>
        <source>&amp;Reset Timer</source>
        <translation>Stoppuhr &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>Add Timer to Task &amp;Hours</source>
        <translation>Stoppuhrzeit zu den Stunden der Aufgabe &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Stop&amp;watch Settings...</source>
        <translation>Stoppuhr-&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Calendar...</source>
        <translation>&amp;Kalender...</translation>
    </message>
    <message>
        <source>S&amp;ummary...</source>
        <translation>&amp;Zusammenfassung...</translation>
    </message>
    <message>
        <source>&amp;Sort by Task #</source>
        <translation>Nach Aufgaben-&amp;Nr. sortieren</translation>
    </message>
    <message>
        <source>Sort by Task Date</source>
        <translation>Nach Aufgabendatum sortieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;Contents...</source>
        <translation>Hilfe&amp;inhalt...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über Quillet1...</translation>
    </message>
    <message>
        <source>&amp;Visit Quillet1 home page...</source>
        <translation>Quillet1-&amp;Website besuchen...</translation>
    </message>
    <message>
        <source>Quillet1 Toolbar</source>
        <translation>Quillet1-Werkzeugleiste</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Add New Task</source>
        <translation>Neue Aufgabe hinzufügen</translation>
    </message>
    <message>
        <source>Delete Task</source>
        <translation>Aufgabe löschen</translation>
    </message>
    <message>
        <source>Show Window</source>
        <translation>Fenster anzeigen</translation>
    </message>
    <message>
        <source>Hide Window</source>
        <translation>Fenster ausblenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Add new Task</source>
        <translation>Neue &amp;Aufgabe hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete current Task</source>
        <translation>Aktuelle Aufgabe &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Recalculate Total for project</source>
        <translation>Gesamtsumme des Projekts neu &amp;berechnen</translation>
    </message>
    <message>
        <source>&amp;Add total to bottom of grid </source>
        <translation>Gesamtsumme &amp;unten an die Tabelle anfügen </translation>
    </message>
    <message>
        <source>Cut &amp;Selection</source>
        <translation>A&amp;usschneiden</translation>
    </message>
    <message>
        <source>De&amp;lete</source>
        <translation>Lös&amp;chen</translation>
    </message>
    <message>
        <source>Work &amp;Log...</source>
        <translation>&amp;Arbeitsprotokoll...</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing the project...</source>
        <translation>Das Projekt wird gedruckt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>QtPrompts</name>
    <message>
        <source>Project files (*.prj);;All files (*)</source>
        <translation>Projektdateien (*.prj);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Delimited text (*.csv *.txt *.tsv *.prj);;All files (*)</source>
        <translation>Text mit Trennzeichen (*.csv *.txt *.tsv *.prj);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Save Project File</source>
        <translation>Projektdatei speichern</translation>
    </message>
    <message>
        <source>Open Project File</source>
        <translation>Projektdatei öffnen</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet (*.ods)</source>
        <translation>OpenDocument-Tabelle (*.ods)</translation>
    </message>
    <message>
        <source>CSV, comma-separated (*.csv)</source>
        <translation>CSV, durch Kommas getrennt (*.csv)</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Export Work Log</source>
        <translation>Arbeitsprotokoll exportieren</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Timed task</source>
        <translation>Gemessene Aufgabe</translation>
    </message>
    <message>
        <source>Today and this week</source>
        <translation>Heute und diese Woche</translation>
    </message>
    <message>
        <source>Timer: %1</source>
        <translation>Stoppuhr: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Stoppuhr</translation>
    </message>
    <message>
        <source>Notice</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>quillet::FindDialog</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quillet::Form1</name>
    <message>
        <source>Total Cost/Fees for current project: $</source>
        <translation>Gesamtkosten/-honorare des aktuellen Projekts: $</translation>
    </message>
    <message>
        <source>Right-click for options</source>
        <translation>Rechtsklick für Optionen</translation>
    </message>
    <message>
        <source>Working on the project file...</source>
        <translation>Die Projektdatei wird bearbeitet...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
</context>
<context>
    <name>quillet::FrmAbout</name>
    <message>
        <source>About Quillet1</source>
        <translation>Über Quillet1</translation>
    </message>
    <message>
        <source>Product Name</source>
        <translation>Produktname</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Web site:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This program allows you to track where you spend your time - which tasks, projects, etc.  I welcome your feedback.</source>
        <translation>Mit diesem Programm halten Sie fest, wofür Sie Ihre Zeit verwenden - für welche Aufgaben, Projekte usw.  Über Rückmeldungen freue ich mich.</translation>
    </message>
</context>
<context>
    <name>quillet::FrmCal</name>
    <message>
        <source>Quillet1 - Calendar</source>
        <translation>Quillet1 - Kalender</translation>
    </message>
</context>
<context>
    <name>quillet::FrmColumnNames</name>
    <message>
        <source>Quillet1 - Change Column Names</source>
        <translation>Quillet1 - Spaltennamen ändern</translation>
    </message>
    <message>
        <source>Column %1:</source>
        <translation>Spalte %1:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>NOTE:  If you use the word &quot;date&quot; or &quot;Date&quot; in the name, the data will automatically be formatted as mm/dd/yyyy for you.</source>
        <translation>HINWEIS:  Wenn der Name das englische Wort „date“ oder „Date“ enthält, werden die Daten der Spalte automatisch als Datum formatiert.</translation>
    </message>
</context>
<context>
    <name>quillet::FrmRestoreBackup</name>
    <message>
        <source>Restore Backup</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Show &amp;Folder</source>
        <translation>&amp;Ordner anzeigen</translation>
    </message>
    <message>
        <source>Show Folder</source>
        <translation>Ordner anzeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>quillet::FrmStopwatchSettings</name>
    <message>
        <source>&amp;Book time to</source>
        <translation>Zeit &amp;buchen auf</translation>
    </message>
    <message>
        <source>the task&apos;s row</source>
        <translation>die Zeile der Aufgabe</translation>
    </message>
    <message>
        <source>a row per day</source>
        <translation>eine Zeile pro Tag</translation>
    </message>
    <message>
        <source>Book time to</source>
        <translation>Zeit buchen auf</translation>
    </message>
    <message>
        <source>Idle time from the X server</source>
        <translation>Leerlaufzeit vom X-Server</translation>
    </message>
    <message>
        <source>Idle time from the desktop (D-Bus)</source>
        <translation>Leerlaufzeit von der Arbeitsumgebung (D-Bus)</translation>
    </message>
    <message>
        <source>No idle time available on this desktop: time away cannot be noticed</source>
        <translation>Diese Arbeitsumgebung liefert keine Leerlaufzeit: Abwesenheit kann nicht bemerkt werden</translation>
    </message>
    <message>
        <source>0 (never)</source>
        <translation>0 (nie)</translation>
    </message>
    <message>
        <source>0 = never</source>
        <translation>0 = nie</translation>
    </message>
    <message>
        <source>Quillet1 - Stopwatch Settings</source>
        <translation>Quillet1 - Stoppuhr-Einstellungen</translation>
    </message>
    <message>
        <source>Ask about time &amp;away after</source>
        <translation>Nach &amp;Abwesenheit fragen nach</translation>
    </message>
    <message>
        <source>minutes without input</source>
        <translation>Minuten ohne Eingabe</translation>
    </message>
    <message>
        <source>Re&amp;mind me after the stopwatch has run for</source>
        <translation>&amp;Erinnern, wenn die Stoppuhr länger läuft als</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
</context>
<context>
    <name>quillet::FrmSummary</name>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Summary by period</source>
        <translation>Zusammenfassung nach Zeitraum</translation>
    </message>
    <message>
        <source>Select the first of them in the task table</source>
        <translation>Die erste davon in der Aufgabentabelle auswählen</translation>
    </message>
    <message>
        <source>Tasks of the selected period</source>
        <translation>Aufgaben des gewählten Zeitraums</translation>
    </message>
    <message>
        <source>Task #</source>
        <translation>Aufgaben-Nr.</translation>
    </message>
    <message>
        <source>Task Description</source>
        <translation>Aufgabenbeschreibung</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>&amp;Hours</source>
        <translation>&amp;Stunden</translation>
    </message>
    <message>
        <source>Chart the hours</source>
        <translation>Stunden im Diagramm zeigen</translation>
    </message>
    <message>
        <source>C&amp;ost</source>
        <translation>K&amp;osten</translation>
    </message>
    <message>
        <source>Chart the cost</source>
        <translation>Kosten im Diagramm zeigen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the summary</source>
        <translation>Zusammenfassung kopieren</translation>
    </message>
    <message>
        <source>Group by</source>
        <translation>Gruppieren nach</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>&amp;Group by</source>
        <translation>&amp;Gruppieren nach</translation>
    </message>
    <message>
        <source>Date to group by</source>
        <translation>Datum zum Gruppieren</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Startdatum</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Datum</translation>
    </message>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Von</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Von-Datum</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Bis</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Bis-Datum</translation>
    </message>
    <message>
        <source>Summary — %1</source>
        <translation>Zusammenfassung — %1</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Export the summary to a file</source>
        <translation>Die Übersicht in eine Datei exportieren</translation>
    </message>
</context>
<context>
    <name>quillet::FrmWorkLog</name>
    <message>
        <source>Quillet1 - Work Log</source>
        <translation>Quillet1 - Arbeitsprotokoll</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Zeitabschnitte</translation>
    </message>
    <message>
        <source>Each day of the period with its total, and below it the day&apos;s sessions</source>
        <translation>Jeder Tag des Zeitraums mit seiner Summe, darunter die Zeitabschnitte des Tages</translation>
    </message>
    <message>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>&amp;Change...</source>
        <translation>Ä&amp;ndern...</translation>
    </message>
    <message>
        <source>Change the session&apos;s times</source>
        <translation>Die Zeiten des Zeitabschnitts ändern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete the session</source>
        <translation>Den Zeitabschnitt löschen</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>H&amp;inzufügen...</translation>
    </message>
    <message>
        <source>Add a session by hand</source>
        <translation>Einen Zeitabschnitt von Hand hinzufügen</translation>
    </message>
    <message>
        <source>Started &amp;Earlier...</source>
        <translation>&amp;Früher begonnen...</translation>
    </message>
    <message>
        <source>Move the running session&apos;s start back</source>
        <translation>Den Beginn des laufenden Zeitabschnitts vorverlegen</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export the work log to a file</source>
        <translation>Das Arbeitsprotokoll in eine Datei exportieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the work log</source>
        <translation>Das Arbeitsprotokoll schließen</translation>
    </message>
    <message>
        <source>Show a day or a week</source>
        <translation>Einen Tag oder eine Woche zeigen</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Zeigen</translation>
    </message>
    <message>
        <source>Date of the day or week shown</source>
        <translation>Datum des gezeigten Tages oder der gezeigten Woche</translation>
    </message>
    <message>
        <source>&amp;of</source>
        <translation>&amp;vom</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>&amp;Heute</translation>
    </message>
    <message>
        <source>Show today</source>
        <translation>Heute zeigen</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Previous day or week (%1)</source>
        <translation>Vorheriger Tag oder vorherige Woche (%1)</translation>
    </message>
    <message>
        <source>Next day or week (%1)</source>
        <translation>Nächster Tag oder nächste Woche (%1)</translation>
    </message>
    <message>
        <source>No sessions in this period</source>
        <translation>Keine Zeitabschnitte in diesem Zeitraum</translation>
    </message>
    <message>
        <source>%1, %2 worked</source>
        <translation>%1, %2 gearbeitet</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Total for %1: %2</source>
        <translation>Summe für %1: %2</translation>
    </message>
    <message>
        <source>running</source>
        <translation>läuft</translation>
    </message>
    <message>
        <source>This session overlaps another one</source>
        <translation>Dieser Zeitabschnitt überschneidet sich mit einem anderen</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>(no task)</source>
        <translation>(keine Aufgabe)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Unterbrochen</translation>
    </message>
    <message>
        <source>Booked</source>
        <translation>Gebucht</translation>
    </message>
    <message>
        <source>Added by hand</source>
        <translation>Von Hand hinzugefügt</translation>
    </message>
    <message>
        <source>Overlaps</source>
        <translation>Überschneidung</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Change Session</source>
        <translation>Zeitabschnitt ändern</translation>
    </message>
    <message>
        <source>Task:</source>
        <translation>Aufgabe:</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Beginn:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Ende:</translation>
    </message>
    <message>
        <source>The session is running: it ends when the stopwatch stops.</source>
        <translation>Der Zeitabschnitt läuft: Er endet, wenn die Stoppuhr anhält.</translation>
    </message>
    <message>
        <source>Add Session</source>
        <translation>Zeitabschnitt hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Task:</source>
        <translation>Auf&amp;gabe:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Uhrzeit des Beginns</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Uhrzeit des Endes</translation>
    </message>
    <message>
        <source>Started Earlier</source>
        <translation>Früher begonnen</translation>
    </message>
    <message>
        <source>Minutes earlier</source>
        <translation>Minuten früher</translation>
    </message>
    <message>
        <source>Started this many &amp;minutes earlier:</source>
        <translation>So viele &amp;Minuten früher begonnen:</translation>
    </message>
</context>
<context>
    <name>quillet::GridView</name>
    <message>
        <source>Tasks</source>
        <translation>Aufgaben</translation>
    </message>
</context>
<context>
    <name>quillet::SummaryChartView</name>
    <message>
        <source>Summary chart</source>
        <translation>Diagramm der Zusammenfassung</translation>
    </message>
</context>
<context>
    <name>quillet::GridModel</name>
    <message>
        <source>Timed task</source>
        <translation>Gemessene Aufgabe</translation>
    </message>
</context>
</TS>
