#include "tools/TrayIconState.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quillet {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const char* name(TrayButton b) {
    switch (b) {
        case TrayButton::Left:
            return "left";
        case TrayButton::Right:
            return "right";
        case TrayButton::Middle:
            return "middle";
    }
    return "?";
}

// Records every call as one line so tests can compare whole sequences.
struct FakeTray : TrayPlatform {
    bool available = true;
    std::vector<std::string> calls;

    std::vector<std::string> take() { return std::exchange(calls, {}); }

    bool isTrayAvailable() override { return available; }
    void showIcon(const std::string& tip) override { calls.push_back("add " + tip); }
    void updateIcon(const std::string& tip) override { calls.push_back("modify " + tip); }
    void removeIcon() override { calls.push_back("delete"); }
    void showApplication() override { calls.push_back("show app"); }
    void hideApplication() override { calls.push_back("hide app"); }
    void minimizeApplication() override { calls.push_back("minimize app"); }
    void bringToFront() override { calls.push_back("front"); }
    void popupMenu(TrayButton which) override {
        calls.push_back(std::string("menu ") + name(which));
    }
    void setHideOffered(bool offered) override {
        calls.push_back(offered ? "offer hide" : "no hide");
    }
};

// The main window's start-up configuration, steps in their order.
void configure(TrayIconState& tray) {
    tray.setHint("Quillet1");
    tray.setHasIcon(true);
    tray.setHasMenu(TrayButton::Left, true);
    tray.setHasMenu(TrayButton::Right, true);
    tray.setApplicationVisible(true);
    tray.setActive(true);
    tray.setRestoreOnLeftClick(true);
}

TEST(TrayIconState, StartUpConfigurationAddsTheIconOnceActive) {
    FakeTray fake;
    TrayIconState tray(fake);
    configure(tray);
    EXPECT_THAT(fake.take(), ElementsAre("delete", "no hide",   // hint while inactive
                                         "delete", "show app",  // application shown
                                         "add Quillet1", "offer hide", "modify Quillet1"));
    EXPECT_TRUE(tray.iconShown());
    EXPECT_TRUE(tray.applicationVisible());

    tray.setHint("Quillet1");  // unchanged: nothing reaches the desktop
    EXPECT_THAT(fake.take(), IsEmpty());
    tray.setHint("Other");
    EXPECT_THAT(fake.take(), ElementsAre("modify Other"));

    tray.setActive(false);
    EXPECT_THAT(fake.take(), ElementsAre("delete", "no hide"));
    tray.setActive(true);  // registered afresh, not modified
    EXPECT_THAT(fake.take(), ElementsAre("add Other", "offer hide"));

    // An icon without an image is never added.
    FakeTray bare;
    TrayIconState noImage(bare);
    noImage.setActive(true);
    EXPECT_THAT(bare.take(), ElementsAre("delete", "no hide"));
    EXPECT_FALSE(noImage.iconShown());
}

TEST(TrayIconState, TipIsCutTo63BytesOnACharacterBoundary) {
    FakeTray fake;
    TrayIconState tray(fake);
    const std::string ascii(70, 'a');
    tray.setHint(ascii);
    EXPECT_EQ(tray.tip(), std::string(63, 'a'));
    EXPECT_EQ(tray.hint(), ascii);  // the property keeps the whole text

    // "é" is two bytes: at bytes 62-63 it would be split, so it goes whole.
    const std::string accent = std::string(62, 'a') + "\xC3\xA9" + "z";
    tray.setHint(accent);
    EXPECT_EQ(tray.tip(), std::string(62, 'a'));
    EXPECT_EQ(cutUtf8(std::string(61, 'a') + "\xC3\xA9", 63), std::string(61, 'a') + "\xC3\xA9");
    const std::string emoji = std::string(60, 'a') + "\xF0\x9F\x98\x80";
    EXPECT_EQ(cutUtf8(emoji, 63), std::string(60, 'a'));
    // Stray continuation bytes (text from an older code page) are cut like single characters.
    EXPECT_EQ(cutUtf8(std::string(70, '\x80'), 63), std::string(63, '\x80'));
    EXPECT_EQ(cutUtf8("short", 63), "short");
}

TEST(TrayIconState, ButtonPresses) {
    FakeTray fake;
    TrayIconState tray(fake);
    configure(tray);
    fake.take();

    EXPECT_EQ(tray.buttonPressed(TrayButton::Left), TrayPress::Restored);
    EXPECT_THAT(fake.take(), ElementsAre("modify Quillet1", "show app", "front"));
    // A shown program is brought forward before its menu opens.
    EXPECT_EQ(tray.buttonPressed(TrayButton::Right), TrayPress::MenuShown);
    EXPECT_THAT(fake.take(), ElementsAre("front", "menu right"));
    EXPECT_EQ(tray.buttonPressed(TrayButton::Middle), TrayPress::Nothing);
    EXPECT_THAT(fake.take(), IsEmpty());

    // Hidden: the menu opens without restoring the program.
    tray.setApplicationVisible(false);
    EXPECT_THAT(fake.take(), ElementsAre("modify Quillet1", "hide app"));
    EXPECT_FALSE(tray.applicationVisible());
    EXPECT_EQ(tray.buttonPressed(TrayButton::Right), TrayPress::MenuShown);
    EXPECT_THAT(fake.take(), ElementsAre("menu right"));

    // Without the restore flag the left button pops its own menu.
    tray.setRestoreOnLeftClick(false);
    fake.take();
    EXPECT_EQ(tray.buttonPressed(TrayButton::Left), TrayPress::MenuShown);
    EXPECT_THAT(fake.take(), ElementsAre("menu left"));
    tray.setHasMenu(TrayButton::Left, false);
    EXPECT_EQ(tray.buttonPressed(TrayButton::Left), TrayPress::Nothing);
    tray.setRestoreOnMiddleClick(true);
    EXPECT_EQ(tray.buttonPressed(TrayButton::Middle), TrayPress::Restored);
    EXPECT_TRUE(tray.applicationVisible());
}

TEST(TrayIconState, MinimiseHidesToTheTrayOnlyWhileTheIconIsThere) {
    FakeTray fake;
    TrayIconState tray(fake);
    configure(tray);
    fake.take();
    tray.minimizeLogic();
    EXPECT_THAT(fake.take(), ElementsAre("hide app"));
    EXPECT_TRUE(tray.hiddenToTray());
    EXPECT_TRUE(tray.applicationVisible());  // a minimise leaves the flag alone

    FakeTray inactive;
    TrayIconState noIcon(inactive);
    noIcon.setHasIcon(true);
    noIcon.minimizeLogic();  // not active: nothing to come back by
    EXPECT_THAT(inactive.take(), IsEmpty());
}

TEST(TrayIconState, WithoutANotificationAreaNothingIsHidden) {
    FakeTray fake;
    fake.available = false;
    TrayIconState tray(fake);
    configure(tray);
    EXPECT_FALSE(tray.iconShown());
    EXPECT_FALSE(tray.canHideToTray());
    EXPECT_THAT(fake.calls, ::testing::Not(::testing::Contains("offer hide")));
    fake.take();

    tray.minimizeLogic();  // stays an ordinary minimise
    EXPECT_THAT(fake.take(), IsEmpty());
    tray.setApplicationVisible(false);
    EXPECT_THAT(fake.take(), ElementsAre("delete", "minimize app"));
    EXPECT_TRUE(tray.applicationVisible());
    EXPECT_FALSE(tray.hiddenToTray());

    // The area appears later: the icon is added and hiding becomes possible.
    fake.available = true;
    tray.refreshTrayAvailability();
    EXPECT_THAT(fake.take(), ElementsAre("add Quillet1", "offer hide"));
    tray.minimizeLogic();
    EXPECT_THAT(fake.take(), ElementsAre("hide app"));

    // It vanishes while the program is hidden: the program returns to the taskbar.
    fake.available = false;
    tray.refreshTrayAvailability();
    EXPECT_THAT(fake.take(), ElementsAre("delete", "minimize app", "no hide"));
    EXPECT_FALSE(tray.hiddenToTray());
    EXPECT_FALSE(tray.iconShown());
    fake.available = true;
    tray.refreshTrayAvailability();
    EXPECT_THAT(fake.take(), ElementsAre("add Quillet1", "offer hide"));
}

}  // namespace
}  // namespace quillet
