#include <QApplication>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "formats/ProjectFile.h"
#include "shell/CoreMessages.h"
#include "shell/Form1.h"
#include "shell/OwnedForm1.h"
#include "shell/QtPorts.h"
#include "shell/Translations.h"
#include "support/FakePorts.h"
#include "support/Fakes.h"
#include "tasks/Printing.h"
#include "tools/StopwatchGuard.h"

namespace quillet {
namespace {

using namespace std::string_literals;

// Every test leaves the windows in English, as the other tests expect them.
class German {
  public:
    German() { Translations::install(QStringLiteral("de")); }
    ~German() { Translations::remove(); }
    German(const German&) = delete;
    German& operator=(const German&) = delete;
};

TEST(Translations, TheFirstLanguageSpokenWinsAndEnglishOrCEndsTheSearch) {
    const struct {
        QStringList wanted;
        const char* chosen;
    } cases[] = {
        {{"de-DE"}, "de"},
        {{"de_DE.UTF-8"}, "de"},
        {{"FR-ca"}, "fr"},
        {{"it-IT", "es-ES", "de"}, "es"},
        {{"en-US", "de-DE"}, ""},
        {{"C"}, ""},
        {{"POSIX"}, ""},
        {{"pt-BR", "nl"}, ""},
        {{}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Translations::choose(c.wanted), QString::fromUtf8(c.chosen))
            << c.wanted.join(',').toStdString();
}

TEST(CoreMessagesTest, EnglishComesBackByteForByte) {
    const Message messages[] = {
        Message(QUILLET_TR("CoreMessages", "Cannot open file %1: not a regular file"))
            .arg("/tmp/a b.prj"s),
        kSaveQuestion,
        Message(QUILLET_TR("CoreMessages", "Sorry, \"%1\" not found.")).arg("100%1"s),
        Message(QUILLET_TR("CoreMessages", "Timer: %1")).arg("00:00:01:02"s),
        Message::verbatim("A text no template knows"),
        Message(),
    };
    for (const Message& message : messages)
        EXPECT_EQ(CoreMessages::translate(message).toStdString(), message.english());
}

// Arguments are the user's or the system's: a path, a heading, a search text are never
// translated, even when they read like a template; a nested message is.
TEST(CoreMessagesTest, GermanKeepsPathsNumbersAndNamesAsTheyCame) {
    const German german;
    const auto message = [](const char* english) { return Message(english); };
    Message missingFile;
    try {
        CellGrid grid;
        loadCellsFromFile(grid, kUntitledProject);
    } catch (const std::exception& e) {
        missingFile = messageOf(e);
    }
    const struct {
        Message message;
        const char* german;
    } cases[] = {
        {message("Cannot open file %1: not a regular file").arg("/tmp/x: y.prj"s),
         "Die Datei /tmp/x: y.prj kann nicht geöffnet werden: Sie ist keine gewöhnliche Datei"},
        // A file named like the untitled project keeps its name.
        {missingFile, "Die Datei Untitled Project kann nicht geöffnet werden"},
        {message("Cannot write file %1: %2").arg("/a/b.prj"s).arg("No space left on device"s),
         "Die Datei /a/b.prj kann nicht geschrieben werden: No space left on device"},
        // A placeholder inside an argument stays text.
        {message("Sorry, \"%1\" not found.").arg("%2 and %1"s),
         "„%2 and %1“ wurde leider nicht gefunden."},
        // A message inside a message is translated too.
        {message("%1 changed on disk and could not be read: %2")
             .arg("\xE2\x80\x9C"
                  "a.prj\xE2\x80\x9D"s)
             .arg(message("Cannot open file %1").arg("/a.prj"s)),
         "\xE2\x80\x9C"
         "a.prj\xE2\x80\x9D wurde auf dem Datenträger geändert und konnte nicht gelesen "
         "werden: Die Datei /a.prj kann nicht geöffnet werden"},
        // A column's name is the user's, even when it reads like a catalogue word.
        {message("Typing in %1").arg("Add New Task"s), "Eingabe in Add New Task"},
        {reminderText(1), "Die Stoppuhr läuft seit 1 Stunde."},
        {reminderText(3), "Die Stoppuhr läuft seit 3 Stunden."},
        {shownTitle(kUntitledProject), "Unbenanntes Projekt"},
        {shownTitle("Untitled Project.prj"), "Untitled Project.prj"},
        {Message::verbatim("Total"), "Total"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CoreMessages::translate(c.message).toStdString(), c.german)
            << c.message.english();
}

class TranslatedWindowsTest : public ::testing::Test, protected test::FakePorts {
  protected:
    QTemporaryDir dir;

    static QStringList fileMenu(const Form1& form) {
        QStringList captions;
        const QMenu* file = form.menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile1"));
        captions << file->title();
        for (const QAction* action : file->actions())
            if (!action->isSeparator()) captions << action->text();
        return captions;
    }

    // What a project puts in a file, on the clipboard and on paper.
    struct Output {
        std::string file;
        std::string clipboard;
        std::vector<test::FakePrintCanvas::Op> print;
    };
    Output produce(const char* name) {
        test::OwnedForm1 form(ports());
        MainController& controller = form.controller();
        controller.copyAll();
        const std::string path = dir.filePath(QString::fromUtf8(name)).toStdString();
        prompts.savePaths.push_back(path);
        controller.saveProjectAs();
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        test::FakePrintCanvas canvas;
        printGrid(controller.grid(), canvas);
        return {bytes.str(), clipboard.contents, canvas.ops};
    }
};

TEST_F(TranslatedWindowsTest, TheFileMenuReadsGermanThenEnglishAgain) {
    QStringList german;
    {
        const German language;
        test::OwnedForm1 form(ports());
        german = fileMenu(form);
        // The names tests and screen readers find the window's parts by stay as they are.
        EXPECT_NE(form.action(QStringLiteral("mnuSave1")), nullptr);
        // Help opens the manual in the language the windows speak.
        form.action(QStringLiteral("HelpContents1"))->trigger();
        ASSERT_EQ(urls.opened.size(), 1u);
        EXPECT_TRUE(urls.opened.back().ends_with("/Quillet.de.html")) << urls.opened.back();
    }
    const QStringList expected = {"&Datei",
                                  "&Neues Projekt",
                                  "Projekt ö&ffnen...",
                                  "&Zuletzt geöffnet",
                                  "Alte Datei &importieren (CSV-Format)",
                                  "&Exportieren...",
                                  "Projekt &speichern",
                                  "Projekt speichern &unter...",
                                  "Sicherung &wiederherstellen...",
                                  "&Optionen",
                                  "&Drucken",
                                  "Druck&vorschau...",
                                  "&Beenden"};
    EXPECT_EQ(german, expected);
    test::OwnedForm1 english(ports());
    EXPECT_EQ(fileMenu(english).first(), "&File");
    EXPECT_EQ(fileMenu(english).last(), "E&xit");
    english.action(QStringLiteral("HelpContents1"))->trigger();
    EXPECT_TRUE(urls.opened.back().ends_with("/Quillet.html")) << urls.opened.back();
}

// Two items of one menu on the same letter make Alt+letter only highlight the first. Only the
// pair the program has always had, Open Project and Options under File, is allowed to share.
TEST_F(TranslatedWindowsTest, NoTwoItemsOfAMenuShareAnAcceleratorInAnyLanguage) {
    QStringList languages = Translations::shipped();
    languages.prepend(QString());
    for (const QString& language : languages) {
        Translations::install(language);
        {
            test::OwnedForm1 form(ports());
            QList<QWidget*> menus = {form.menuBar()};
            for (QMenu* menu : form.findChildren<QMenu*>()) menus << menu;
            ASSERT_GE(menus.size(), 10);  // the bar, its menus, submenus, tray and popups
            for (const QWidget* menu : menus) {
                QHash<QKeySequence, QString> owner;
                for (const QAction* action : menu->actions()) {
                    const QKeySequence key = QKeySequence::mnemonic(action->text());
                    if (action->isSeparator() || key.isEmpty()) continue;
                    const QString name =
                        action->menu() ? action->menu()->objectName() : action->objectName();
                    const auto first = owner.constFind(key);
                    if (first == owner.constEnd()) {
                        owner.insert(key, name);
                        continue;
                    }
                    const bool openAndOptions =
                        QSet<QString>{*first, name} == QSet<QString>{"mnuOpen1", "mnuOptions1"};
                    EXPECT_TRUE(openAndOptions)
                        << language.toStdString() << " " << menu->objectName().toStdString() << ": "
                        << first->toStdString() << " and " << name.toStdString() << " share "
                        << key.toString().toStdString();
                }
            }
        }
        Translations::remove();
    }
}

// Each status panel keeps to its own room and shows whole words or an ellipsis, in every
// language and at any width, with a long status message and the timed task's panels shown.
TEST_F(TranslatedWindowsTest, StatusPanelsNeverOverlapOrStopMidWord) {
    QStringList languages = Translations::shipped();
    languages.prepend(QString());
    for (const QString& language : languages) {
        Translations::install(language);
        {
            test::OwnedForm1 form(ports());
            form.show();
            form.runCommand([&] {
                form.controller().timer().startTimer();
                form.controller().setStatusMessage(Message::verbatim(std::string(120, 'x')));
            });
            for (const int width : {400, 567, 900}) {
                form.resize(width, 300);
                QCoreApplication::processEvents();
                QList<QLabel*> shown;
                for (int k = 0; k < 5; ++k) {
                    auto* label =
                        form.findChild<QLabel*>(QStringLiteral("StatusBar1Panel%1").arg(k));
                    if (!label->isVisible() || label->text().isEmpty()) continue;
                    const QString where =
                        language + QStringLiteral(" %1 px, panel %2").arg(width).arg(k);
                    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()),
                              label->contentsRect().width())
                        << where.toStdString() << ": " << label->text().toStdString();
                    for (const QLabel* other : shown)
                        EXPECT_FALSE(label->geometry().intersects(other->geometry()))
                            << where.toStdString();
                    shown << label;
                }
            }
        }
        Translations::remove();
    }
}

// The undo caption's column is the user's heading, though it reads like a command.
TEST_F(TranslatedWindowsTest, TheUndoCaptionKeepsTheColumnHeadingAsWritten) {
    const German language;
    test::OwnedForm1 form(ports());
    form.controller().editCell(Description, 0, "Add New Task");
    form.runCommand([&] { form.controller().editCell(Description, 1, "x"); });
    EXPECT_EQ(form.action(QStringLiteral("mnuUndo1"))->text(),
              "&Rückgängig Eingabe in Add New Task");
}

TEST_F(TranslatedWindowsTest, AMessageBoxReadsGermanWithQtsOwnButtons) {
    const German language;
    QtPrompts qtPrompts;
    QString text;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        for (QAbstractButton* button : box->buttons()) buttons << button->text();
        box->reject();
    });
    qtPrompts.askYesNoCancel("Do you want to save the current project?");
    EXPECT_EQ(text, "Möchten Sie das aktuelle Projekt speichern?");
    // Qt's own translation of its standard buttons, from the system's copy.
    EXPECT_TRUE(buttons.contains("&Ja")) << buttons.join(',').toStdString();
    EXPECT_TRUE(buttons.contains("Abbrechen")) << buttons.join(',').toStdString();
}

TEST_F(TranslatedWindowsTest, FileClipboardAndPrintAreTheSameBytesInGermanAndEnglish) {
    const Output english = produce("english.prj");
    Output german;
    {
        const German language;
        german = produce("german.prj");
    }
    ASSERT_FALSE(english.file.empty());
    EXPECT_EQ(german.file, english.file);
    ASSERT_FALSE(english.clipboard.empty());
    EXPECT_EQ(german.clipboard, english.clipboard);
    ASSERT_FALSE(english.print.empty());
    EXPECT_EQ(german.print, english.print);
}

}  // namespace
}  // namespace quillet
