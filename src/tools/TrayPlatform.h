#pragma once

#include <string>

namespace quillet {

enum class TrayButton { Left, Right, Middle };

// What the tray icon needs from the desktop. The shell implements it with QSystemTrayIcon and
// the main window; tests record the calls.
class TrayPlatform {
  public:
    virtual ~TrayPlatform() = default;
    // Whether the desktop has a notification area right now.
    virtual bool isTrayAvailable() = 0;
    // Register the icon with the given tip, update the registered icon, unregister it.
    virtual void showIcon(const std::string& tip) = 0;
    virtual void updateIcon(const std::string& tip) = 0;
    virtual void removeIcon() = 0;
    // Bring the program back on screen and on the taskbar, restored from a minimise.
    virtual void showApplication() = 0;
    // Take the program off the screen and off the taskbar.
    virtual void hideApplication() = 0;
    // An ordinary minimise that keeps the taskbar button.
    virtual void minimizeApplication() = 0;
    // Raise and activate the main window, restoring it when minimised.
    virtual void bringToFront() = 0;
    // Pop up the menu of that button at the cursor.
    virtual void popupMenu(TrayButton which) = 0;
    // Whether "Hide Window" may be offered: only while the icon is there to come back by.
    virtual void setHideOffered(bool offered) = 0;
};

}  // namespace quillet
