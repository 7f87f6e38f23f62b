#include "shell/CoreMessages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <vector>

#include "formats/CodePage.h"

namespace quillet {

namespace {

// Every message, status text and step name the core shows, with %1, %2... where it puts a
// path, a number or another message. A longer template comes before a shorter one it starts
// with: the first that matches the whole message wins.
const char* const kTemplates[] = {
    // Files
    QT_TRANSLATE_NOOP("CoreMessages", "Cannot open file %1: not a regular file"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Cannot open file %1: it asks for a grid of %2 columns and %3 rows, more "
                      "than the %4 columns and %5 rows a project can have"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Cannot open file %1: it asks for a grid of %2 columns and %3 rows, more "
                      "than the %4 cells a project can have"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Cannot open file %1: it holds more than the %2 columns or %3 rows a "
                      "project can have"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Cannot open file %1: it holds more than the %2 cells a project can have"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cannot open file %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cannot read file %1: it holds a line of more than %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cannot read file %1: %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cannot write file %1: out of memory"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cannot write file %1: %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cannot Create %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cannot read %1: %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cannot rename %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cannot create a folder without a name"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cannot create folder %1: %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cannot change to folder %1: %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "%1 is not private"),
    QT_TRANSLATE_NOOP("CoreMessages", "no folder for backups (HOME is not set)"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cannot print to printer %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cannot print to file %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "The printer reported an error while printing."),
    // Export
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Cannot export %1: a workbook sheet holds at most 1,048,576 rows."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Cannot export %1: a workbook sheet holds at most 16,384 columns."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Cannot export %1: the text in cell %2 is longer than the 32,767 "
                      "characters a workbook cell holds."),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Cannot export to %1: the name must end in .xlsx, .ods or .csv"),
    QT_TRANSLATE_NOOP("CoreMessages", "Exported to %1"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "No program could open the manual. It is the file\n%1\nand opens in any web "
                      "browser."),
    // The grid
    QT_TRANSLATE_NOOP("CoreMessages", "The grid cannot hold that many cells"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "The grid cannot have %1 columns and %2 rows, more than the %3 columns "
                      "and %4 rows a project can have"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "The grid cannot have %1 columns and %2 rows, more than the %3 cells a "
                      "project can have"),
    QT_TRANSLATE_NOOP("CoreMessages", "Grid index out of range"),
    QT_TRANSLATE_NOOP("CoreMessages", "Fixed row count must be less than row count"),
    QT_TRANSLATE_NOOP("CoreMessages", "A cell cannot hold more than 4 GB"),
    QT_TRANSLATE_NOOP("CoreMessages", "The clipboard holds more cells than a project can have"),
    QT_TRANSLATE_NOOP("CoreMessages", "'%1' is not a valid date and time"),
    QT_TRANSLATE_NOOP("CoreMessages", "'%1' is not a valid number of hours"),
    QT_TRANSLATE_NOOP("CoreMessages", "'%1' is not a valid integer value"),
    QT_TRANSLATE_NOOP("CoreMessages", "This change cannot be undone (too large)"),
    // Tasks, find, totals, timer
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Please select the first column of the row you want to delete."),
    QT_TRANSLATE_NOOP("CoreMessages", "Sorry, no search text has been entered"),
    QT_TRANSLATE_NOOP("CoreMessages", "Sorry, next \"%1\" not found."),
    QT_TRANSLATE_NOOP("CoreMessages", "Sorry, \"%1\" not found."),
    QT_TRANSLATE_NOOP("CoreMessages", "Select a task row first"),
    QT_TRANSLATE_NOOP("CoreMessages", "Added %1 h to task %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "<Total for project>"),
    QT_TRANSLATE_NOOP("CoreMessages", "Error calculating total..."),
    QT_TRANSLATE_NOOP("CoreMessages", "1 task has Hours or Cost that is not a number"),
    QT_TRANSLATE_NOOP("CoreMessages", "%1 tasks have Hours or Cost that are not numbers"),
    // The stopwatch's guard
    QT_TRANSLATE_NOOP("CoreMessages",
                      "You were away from %1 to %2 (%3) while the stopwatch was running."),
    QT_TRANSLATE_NOOP("CoreMessages", "%1 h %2 min"),
    QT_TRANSLATE_NOOP("CoreMessages", "%1 min"),
    QT_TRANSLATE_NOOP("CoreMessages", "&Keep the time"),
    QT_TRANSLATE_NOOP("CoreMessages", "&Remove the away time"),
    QT_TRANSLATE_NOOP("CoreMessages", "&Stop at %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "The stopwatch has been running for %1 hour."),
    QT_TRANSLATE_NOOP("CoreMessages", "The stopwatch has been running for %1 hours."),
    // The project and its file
    QT_TRANSLATE_NOOP("CoreMessages", "Quillet1 - track your time"),
    QT_TRANSLATE_NOOP("CoreMessages", "Viewing details for %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "Untitled Project"),
    QT_TRANSLATE_NOOP("CoreMessages", "Do you want to save the current project?"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Please use Save Project As option for the first-time save of this file."),
    QT_TRANSLATE_NOOP("CoreMessages", "%1 was changed by another program since you opened it."),
    QT_TRANSLATE_NOOP("CoreMessages", "%1 is no longer on disk; saving will write it anew"),
    QT_TRANSLATE_NOOP("CoreMessages", "%1 changed on disk; saving will ask before overwriting"),
    QT_TRANSLATE_NOOP("CoreMessages", "%1 changed on disk and could not be read: %2"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "%1 changed on disk but is not a project file; the table was kept"),
    QT_TRANSLATE_NOOP("CoreMessages", "Reloaded: changed on disk"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "%1 is not a Quillet1 project file. Replace it with this project?"),
    QT_TRANSLATE_NOOP("CoreMessages", "&Overwrite"),
    QT_TRANSLATE_NOOP("CoreMessages", "&Replace"),
    QT_TRANSLATE_NOOP("CoreMessages", "Save &As..."),
    QT_TRANSLATE_NOOP("CoreMessages", "Converted to the new format; the original was kept as %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "Error converting file to new format..."),
    // Recovery and backups
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Quillet1 did not close normally. Recover the unsaved changes to %1 from "
                      "%2? (An older copy of it is kept too.)"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Quillet1 did not close normally. Recover the unsaved changes to %1 from "
                      "%2? (%3 older copies of it are kept too.)"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "Quillet1 did not close normally. Recover the unsaved changes to %1 from "
                      "%2?"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "The recovery copy of %1 from %2 is damaged; it was kept in %3"),
    QT_TRANSLATE_NOOP("CoreMessages",
                      "The recovery note %1 is damaged; it and its copy were kept in %2"),
    QT_TRANSLATE_NOOP("CoreMessages", "Backup skipped: %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "Recovery copy not written: %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "Backups are off: %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "Recovery copies are off: %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "unknown error"),
    QT_TRANSLATE_NOOP("CoreMessages", "Unknown error %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "An unexpected error occurred."),
    QT_TRANSLATE_NOOP("CoreMessages", "Timer: %1"),
    // Settings
    QT_TRANSLATE_NOOP("CoreMessages", "Invalid data type for '%1'"),
    QT_TRANSLATE_NOOP("CoreMessages", "Failed to create key %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "Failed to set data for '%1'"),
    // The names of the steps Undo and Redo show
    QT_TRANSLATE_NOOP("CoreMessages", "Add total to bottom of grid"),
    QT_TRANSLATE_NOOP("CoreMessages", "Add New Task"),
    QT_TRANSLATE_NOOP("CoreMessages", "Delete Task"),
    QT_TRANSLATE_NOOP("CoreMessages", "Paste"),
    QT_TRANSLATE_NOOP("CoreMessages", "Typing in %1"),
    QT_TRANSLATE_NOOP("CoreMessages", "Typing"),
    QT_TRANSLATE_NOOP("CoreMessages", "Sort by Task #"),
    QT_TRANSLATE_NOOP("CoreMessages", "Sort by Task Date"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cut"),
    QT_TRANSLATE_NOOP("CoreMessages", "Delete"),
    QT_TRANSLATE_NOOP("CoreMessages", "Add Timer to Task Hours"),
    QT_TRANSLATE_NOOP("CoreMessages", "Change Column Names"),
    // The summary's headings (its Copy keeps the English ones)
    QT_TRANSLATE_NOOP("CoreMessages", "Period"),
    QT_TRANSLATE_NOOP("CoreMessages", "First day"),
    QT_TRANSLATE_NOOP("CoreMessages", "Tasks"),
    QT_TRANSLATE_NOOP("CoreMessages", "Hours"),
    QT_TRANSLATE_NOOP("CoreMessages", "Cost"),
};

struct Pattern {
    const char* english;
    QRegularExpression match;
};

// A template as an anchored expression: its text literally, each %N any run of characters.
// The first placeholder takes as much as it can, so a path with ": " in it stays whole.
QRegularExpression patternOf(const QString& english) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    QString expression = QStringLiteral("\\A");
    qsizetype at = 0;
    for (auto it = placeholder.globalMatch(english); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        expression += QRegularExpression::escape(english.mid(at, m.capturedStart() - at));
        expression += QStringLiteral("(.*)");
        at = m.capturedEnd();
    }
    expression += QRegularExpression::escape(english.mid(at)) + QStringLiteral("\\z");
    return QRegularExpression(expression, QRegularExpression::DotMatchesEverythingOption);
}

const std::vector<Pattern>& patterns() {
    static const std::vector<Pattern> all = [] {
        std::vector<Pattern> out;
        for (const char* english : kTemplates)
            out.push_back({english, patternOf(QString::fromUtf8(english))});
        return out;
    }();
    return all;
}

// %1..%9 replaced in one pass, so an argument holding "%2" stays as it is.
QString substitute(const QString& text, const QStringList& arguments) {
    QString out;
    out.reserve(text.size());
    for (qsizetype k = 0; k < text.size(); ++k) {
        if (text[k] == u'%' && k + 1 < text.size() && text[k + 1] >= u'1' && text[k + 1] <= u'9') {
            const qsizetype n = text[k + 1].unicode() - u'1';
            if (n < arguments.size()) {
                out += arguments[n];
                ++k;
                continue;
            }
        }
        out += text[k];
    }
    return out;
}

QString translateText(const QString& english, int depth) {
    for (const Pattern& pattern : patterns()) {
        const QRegularExpressionMatch m = pattern.match.match(english);
        if (!m.hasMatch()) continue;
        QStringList arguments;
        // An argument may itself be a message, as in "... could not be read: Cannot open ...".
        // A single word is a name (a column's, a file's) and stays as the user wrote it.
        for (int k = 1; k <= m.lastCapturedIndex(); ++k) {
            const QString argument = m.captured(k);
            const bool message = depth < 3 && argument.contains(u' ');
            arguments << (message ? translateText(argument, depth + 1) : argument);
        }
        return substitute(QCoreApplication::translate("CoreMessages", pattern.english), arguments);
    }
    return english;
}

}  // namespace

QString CoreMessages::translate(std::string_view english) {
    // As the windows show any text: bytes that are not UTF-8 read in the old code page.
    const std::string utf8 = displayUtf8(english);
    return translate(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

QString CoreMessages::translate(const QString& english) {
    return translateText(english, 0);
}

}  // namespace quillet
