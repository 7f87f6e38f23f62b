#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/AppHarness.h"
#include "app/HelpFile.h"
#include "app/MainController.h"
#include "ports/ProductInfo.h"

namespace quillet {
namespace {

namespace fs = std::filesystem;
using test::AppHarness;
using Strings = std::vector<std::string>;

// Help changes the process's current directory; each test puts it back.
class HelpTest : public ::testing::Test {
  protected:
    void TearDown() override { fs::current_path(startDir_); }

    AppHarness h;
    fs::path root = fs::canonical(h.dir.path());

    MainController& startWithProgramIn(const fs::path& folder) {
        fs::create_directories(folder);
        MainController& app = h.start();
        app.setExecutablePath((folder / "quillet").string());
        return app;
    }
    static void writeManual(const fs::path& path) {
        fs::create_directories(path.parent_path());
        test::writeBytes(path.string(), "<html></html>");
    }

  private:
    fs::path startDir_ = fs::current_path();
};

TEST(HelpFile, FolderAndFileAddress) {
    EXPECT_EQ(programFolder("/usr/bin/quillet"), "/usr/bin/");
    EXPECT_EQ(programFolder("/quillet"), "/");
    EXPECT_EQ(programFolder("quillet"), "");
    EXPECT_EQ(fileUrl("/opt/My Tools #2/100%/Quillet.html"),
              "file:///opt/My%20Tools%20%232/100%25/Quillet.html");
    EXPECT_EQ(fileUrl("/home/Ren\xC3\xA9/a-b_c.~/Q.html"), "file:///home/Ren%C3%A9/a-b_c.~/Q.html");
}

TEST_F(HelpTest, OpensTheManualBesideTheProgramAndStaysInItsFolder) {
    const fs::path bin = root / "my build";
    MainController& app = startWithProgramIn(bin);
    writeManual(bin / "Quillet.html");
    writeManual(root / "share/quillet/Quillet.html");  // the one beside it wins
    app.showHelp();
    EXPECT_EQ(h.urls.opened, Strings{fileUrl((bin / "Quillet.html").string())});
    EXPECT_EQ(fs::current_path(), bin);
    EXPECT_TRUE(h.prompts.messages.empty());
}

TEST_F(HelpTest, FallsBackToTheInstalledManual) {
    MainController& app = startWithProgramIn(root / "bin");
    writeManual(root / "share/quillet/Quillet.html");
    app.showHelp();
    EXPECT_EQ(h.urls.opened, Strings{fileUrl((root / "share/quillet/Quillet.html").string())});
    EXPECT_EQ(fs::current_path(), root / "bin");
}

TEST_F(HelpTest, MissingManualOpensNothingAndSaysNothing) {
    MainController& app = startWithProgramIn(root / "bin");
    fs::create_directories(root / "bin/Quillet.html");  // a folder is no manual
    app.showHelp();
    EXPECT_TRUE(h.urls.opened.empty());
    EXPECT_TRUE(h.prompts.messages.empty());
    EXPECT_EQ(fs::current_path(), root / "bin");
}

TEST(HelpFile, ManualNameFollowsTheLanguageCode) {
    const struct {
        const char* language;
        const char* name;
    } cases[] = {
        {"de", "Quillet.de.html"},
        {"de-DE", "Quillet.de.html"},
        {"fr_CA.UTF-8", "Quillet.fr.html"},
        {"ES-419", "Quillet.es.html"},
        {"sr@latin", "Quillet.sr.html"},
        {"en", "Quillet.html"},
        {"en-GB", "Quillet.html"},
        {"C", "Quillet.html"},
        {"", "Quillet.html"},
        {"../x", "Quillet.html"},
        {"d/e", "Quillet.html"},
        {"deutsch", "Quillet.html"},
    };
    for (const auto& c : cases) EXPECT_EQ(manualFileName(c.language), c.name) << c.language;
}

// The first language with a manual wins; English stops the search, as it stops the
// interface's; whatever is missing falls back to the English manual.
TEST_F(HelpTest, OpensTheManualOfTheFirstLanguageThatHasOne) {
    const fs::path bin = root / "bin";
    const fs::path share = root / "share/quillet";
    writeManual(bin / "Quillet.html");
    writeManual(share / "Quillet.fr.html");  // only installed
    writeManual(bin / "Quillet.es.html");
    const struct {
        Strings languages;
        fs::path expected;
    } cases[] = {
        {{}, bin / "Quillet.html"},
        {{"de-DE", "de"}, bin / "Quillet.html"},
        {{"de-DE", "fr-FR", "es"}, share / "Quillet.fr.html"},
        {{"es-MX"}, bin / "Quillet.es.html"},
        {{"en-US", "es"}, bin / "Quillet.html"},
        {{"C"}, bin / "Quillet.html"},
    };
    MainController& app = startWithProgramIn(bin);
    for (const auto& c : cases) {
        h.urls.opened.clear();
        app.setHelpLanguages(c.languages);
        app.showHelp();
        EXPECT_EQ(h.urls.opened, Strings{fileUrl(c.expected.string())})
            << ::testing::PrintToString(c.languages);
    }
}

TEST_F(HelpTest, ADesktopThatCannotOpenTheManualIsToldWhereItIs) {
    MainController& app = startWithProgramIn(root / "bin");
    const fs::path manual = root / "bin/Quillet.de.html";
    writeManual(manual);
    h.urls.refuse = true;
    app.setHelpLanguages({"de"});
    app.showHelp();
    EXPECT_EQ(h.urls.opened, Strings{fileUrl(manual.string())});
    EXPECT_EQ(h.prompts.messages, Strings{"No program could open the manual. It is the file\n" +
                                          manual.string() + "\nand opens in any web browser."});
}

TEST_F(HelpTest, AFolderThatCannotBeEnteredIsReportedAndOpensNothing) {
    MainController& app = h.start();
    const fs::path gone = root / "gone";
    app.setExecutablePath((gone / "quillet").string());
    const fs::path before = fs::current_path();
    try {
        app.showHelp();
        ADD_FAILURE() << "the failed change of folder is reported";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot change to folder " + gone.string() + "/: No such file or directory");
    }
    EXPECT_TRUE(h.urls.opened.empty());
    EXPECT_EQ(fs::current_path(), before);
}

TEST(HelpAddresses, WebPagesAndMailGoToTheDesktop) {
    AppHarness h;
    MainController& app = h.start();
    app.openHomePage();
    app.openMakerWebSite();
    app.writeEmail();
    EXPECT_EQ(h.urls.opened, (Strings{kProductWebPage, kMakerWebAddress,
                                      std::string("mailto:") + kMakerEmailAddress}));
}

}  // namespace
}  // namespace quillet
