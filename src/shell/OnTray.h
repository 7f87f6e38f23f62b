#pragma once

#include <QAction>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>

#include <array>
#include <functional>

#include "tools/TrayIconState.h"

class QMenu;
class QTimer;
class QWidget;

namespace quillet {

// The program's icon in the desktop's notification area, on QSystemTrayIcon.
//
// The main window uses it like this:
//   startUp:      trayIcon = std::make_unique<OnTray>(this, pmnRight, pmnLeft);
//                 trayIcon->setHint("Quillet1");
//                 trayIcon->setIcon(windowIcon());
//                 trayIcon->setApplicationVisible(true);
//                 trayIcon->setActive(true);
//                 trayIcon->setRestoreOnLeftClick(true);
//   changeEvent:  on QEvent::WindowStateChange into the minimised state, trayIcon->minimizeLogic();
//   showWindow (pitShow, mnuRShowWindow1): trayIcon->setApplicationVisible(true);
//   hideWindow (pitHide, mnuRHideWindow1): trayIcon->setApplicationVisible(false);
//   closeEvent:   trayIcon.reset();  // removes the icon
//
//                 trayIcon->setHideActions({pitHide, mnuRHideWindow1});
//
// A left click restores the program, a right click pops the right menu at the cursor. The
// hide actions are shown only while the icon is in an available notification area;
// availability is polled every kAvailabilityPollMs, so an area that appears later gets the icon.
class OnTray : public QObject, private TrayPlatform {
    Q_OBJECT

  public:
    static constexpr int kAvailabilityPollMs = 3000;

    // The menus stay owned by the window.
    OnTray(QWidget* owner, QMenu* popupMenuRight, QMenu* popupMenuLeft = nullptr,
           QObject* parent = nullptr);
    ~OnTray() override;

    QString hint() const { return QString::fromStdString(state_.hint()); }
    // Shown as the tip, cut to 63 bytes of UTF-8 on a character boundary.
    void setHint(const QString& text) { state_.setHint(text.toStdString()); }

    QIcon icon() const { return icon_; }
    void setIcon(const QIcon& icon);

    bool active() const { return state_.active(); }
    void setActive(bool flag) { state_.setActive(flag); }

    bool applicationVisible() const { return state_.applicationVisible(); }
    void setApplicationVisible(bool flag) { state_.setApplicationVisible(flag); }

    bool restoreOnLeftClick() const { return state_.restoreOnClick(TrayButton::Left); }
    void setRestoreOnLeftClick(bool flag) { state_.setRestoreOnLeftClick(flag); }
    void setRestoreOnRightClick(bool flag) { state_.setRestoreOnRightClick(flag); }
    void setRestoreOnMiddleClick(bool flag) { state_.setRestoreOnMiddleClick(flag); }

    QMenu* menuFor(TrayButton which) const;
    void setPopupMenu(TrayButton which, QMenu* menu);

    // Forwarded by the owner when it has been minimised.
    void minimizeLogic() { state_.minimizeLogic(); }

    // The "Hide Window" entries: offered only while the icon can bring the window back.
    void setHideActions(const QList<QAction*>& actions);
    // Whether "Hide Window" is offered now.
    bool hideOffered() const { return hideOffered_; }
    QSystemTrayIcon* systemTrayIcon() const { return tray_; }

    // Replaces the availability test (QSystemTrayIcon::isSystemTrayAvailable) and re-checks.
    void setAvailabilityProbe(std::function<bool()> probe);

  public slots:
    void checkTrayAvailability() { state_.refreshTrayAvailability(); }

  private slots:
    void onActivated(QSystemTrayIcon::ActivationReason reason);

  private:
    static std::size_t index(TrayButton b) { return static_cast<std::size_t>(b); }

    bool isTrayAvailable() override;
    void showIcon(const std::string& tip) override;
    void updateIcon(const std::string& tip) override;
    void removeIcon() override;
    void showApplication() override;
    void hideApplication() override;
    void minimizeApplication() override;
    void bringToFront() override;
    void popupMenu(TrayButton which) override;
    void setHideOffered(bool offered) override;
    void applyHideOffered();

    QPointer<QWidget> owner_;
    std::array<QPointer<QMenu>, 3> menus_;
    QList<QPointer<QAction>> hideActions_;
    QSystemTrayIcon* tray_;
    QTimer* poll_;
    QIcon icon_;
    std::function<bool()> probe_;
    bool hideOffered_ = false;
    TrayIconState state_;
};

}  // namespace quillet
