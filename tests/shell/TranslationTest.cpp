#include <QApplication>
#include <QHash>
#include <QKeySequence>
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

#include "shell/CoreMessages.h"
#include "shell/Form1.h"
#include "shell/OwnedForm1.h"
#include "shell/QtPorts.h"
#include "shell/Translations.h"
#include "support/FakePorts.h"
#include "support/Fakes.h"
#include "tasks/Printing.h"

namespace quillet {
namespace {

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
    for (const char* message :
         {"Cannot open file /tmp/a b.prj: not a regular file",
          "Do you want to save the current project?", "Sorry, \"100%1\" not found.",
          "Timer: 00:00:01:02", "A message no template knows", ""}) {
        EXPECT_EQ(CoreMessages::translate(std::string_view(message)).toStdString(), message);
    }
}

TEST(CoreMessagesTest, GermanKeepsPathsNumbersAndNamesAsTheyCame) {
    const German german;
    const struct {
        const char* english;
        const char* german;
    } cases[] = {
        {"Cannot open file /tmp/x: y.prj: not a regular file",
         "Die Datei /tmp/x: y.prj kann nicht geöffnet werden: Sie ist keine gewöhnliche Datei"},
        {"Cannot write file /a/b.prj: No space left on device",
         "Die Datei /a/b.prj kann nicht geschrieben werden: No space left on device"},
        // A placeholder inside an argument stays text.
        {"Sorry, \"%2 and %1\" not found.", "„%2 and %1“ wurde leider nicht gefunden."},
        // A message inside a message is translated too.
        {"\xE2\x80\x9C"
         "a.prj\xE2\x80\x9D changed on disk and could not be read: Cannot open file /a.prj",
         "\xE2\x80\x9C"
         "a.prj\xE2\x80\x9D wurde auf dem Datenträger geändert und konnte nicht gelesen "
         "werden: Die Datei /a.prj kann nicht geöffnet werden"},
        // A column's name is the user's, even when it reads like a catalogue word.
        {"Typing in Hours", "Eingabe in Hours"},
        {"The stopwatch has been running for 1 hour.", "Die Stoppuhr läuft seit 1 Stunde."},
        {"The stopwatch has been running for 3 hours.", "Die Stoppuhr läuft seit 3 Stunden."},
        {"A message no template knows", "A message no template knows"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CoreMessages::translate(std::string_view(c.english)).toStdString(), c.german);
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
