#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "tools/TrayPlatform.h"

namespace quillet {

// What a press on the tray icon did.
enum class TrayPress { Nothing, Restored, MenuShown };

// The rules of the tray icon, kept apart from the desktop: when the icon is added, updated or
// removed, what a button press does, and when the program may hide to the tray.
//
// The program is only ever hidden while its icon is in an available notification area;
// otherwise minimising stays an ordinary minimise and "Hide Window" is not offered, so the
// user is never left without a way back. refreshTrayAvailability() should be called
// periodically: an area that appears later gets the icon, and one that vanishes while the
// program is hidden gives the program back to the taskbar.
class TrayIconState {
  public:
    // The tip is limited to what the notification area holds.
    static constexpr std::size_t kMaxTipBytes = 63;

    // Touches the platform only from the first operation on.
    explicit TrayIconState(TrayPlatform& platform) : platform_(&platform) {}

    const std::string& hint() const { return hint_; }
    // The hint as shown: at most kMaxTipBytes, never cut inside a UTF-8 character.
    const std::string& tip() const { return tip_; }
    // Setting the current value again sends nothing.
    void setHint(const std::string& text);

    // Whether an icon image is set. Takes effect at the next icon update, as Active does.
    void setHasIcon(bool present) { hasIcon_ = present; }

    bool active() const { return active_; }
    void setActive(bool flag);

    bool applicationVisible() const { return applicationVisible_; }
    // Showing restores the program. Hiding takes it to the tray when the icon is there;
    // otherwise it minimises normally and applicationVisible() stays true.
    void setApplicationVisible(bool flag);

    bool restoreOnClick(TrayButton button) const { return restore_[index(button)]; }
    void setRestoreOnLeftClick(bool flag);  // also re-sends the icon
    void setRestoreOnRightClick(bool flag) { restore_[index(TrayButton::Right)] = flag; }
    void setRestoreOnMiddleClick(bool flag) { restore_[index(TrayButton::Middle)] = flag; }

    void setHasMenu(TrayButton button, bool present) { menus_[index(button)] = present; }

    // A press of a button on the icon: restore, pop that button's menu, or nothing.
    TrayPress buttonPressed(TrayButton button);

    // The main window was minimised: take it off the taskbar when the tray icon can bring it
    // back, else leave the ordinary minimise alone.
    void minimizeLogic();

    // Re-reads whether a notification area exists and reacts to a change.
    void refreshTrayAvailability();

    // Adds, updates or removes the icon to match the state.
    void updateIcon();

    bool iconShown() const { return registered_; }
    bool hiddenToTray() const { return hiddenToTray_; }
    bool canHideToTray() const { return trayAvailable_ && registered_; }

  private:
    static std::size_t index(TrayButton b) { return static_cast<std::size_t>(b); }
    void ensureAvailabilityKnown();
    void publishHideOffered();
    void hideToTray();

    TrayPlatform* platform_;
    std::string hint_;
    std::string tip_;
    bool hasIcon_ = false;
    bool active_ = false;
    bool applicationVisible_ = false;
    std::array<bool, 3> restore_{};
    std::array<bool, 3> menus_{};
    bool registered_ = false;
    bool availabilityKnown_ = false;
    bool trayAvailable_ = false;
    bool hiddenToTray_ = false;
    bool hideOfferedSent_ = false;
    bool hideOffered_ = false;
};

// The longest prefix of text of at most maxBytes that does not end inside a UTF-8 character.
// Bytes that are not valid UTF-8 count as characters of their own.
std::string cutUtf8(const std::string& text, std::size_t maxBytes);

}  // namespace quillet
