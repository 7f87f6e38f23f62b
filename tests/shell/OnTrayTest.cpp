#include "shell/OnTray.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace quillet {
namespace {

// Stands in for the main window: forwards its minimise as Form1 does.
class TrayOwner : public QWidget {
  public:
    OnTray* tray = nullptr;

  protected:
    void changeEvent(QEvent* event) override {
        QWidget::changeEvent(event);
        if (event->type() == QEvent::WindowStateChange && isMinimized() && tray)
            tray->minimizeLogic();
    }
};

QAction* addNamed(QMenu& menu, const char* text, const char* name) {
    QAction* action = menu.addAction(QString::fromUtf8(text));
    action->setObjectName(QString::fromUtf8(name));
    return action;
}

// The window, its two tray menus and the tray configured as startUp does.
struct TrayWindow {
    TrayOwner window;
    QMenu pmnLeft;
    QMenu pmnRight;
    QAction* pitHide;
    QAction* mnuRShowWindow1;
    QAction* mnuRHideWindow1;
    std::unique_ptr<OnTray> tray;

    explicit TrayWindow(std::function<bool()> probe = nullptr) {
        addNamed(pmnLeft, "Show Window", "pitShow");
        pitHide = addNamed(pmnLeft, "Hide Window", "pitHide");
        mnuRShowWindow1 = addNamed(pmnRight, "Show Window", "mnuRShowWindow1");
        mnuRHideWindow1 = addNamed(pmnRight, "Hide Window", "mnuRHideWindow1");
        pmnRight.addSeparator();
        addNamed(pmnRight, "Exit", "prExit");
        QPixmap image(16, 16);
        image.fill(Qt::darkGreen);
        window.setWindowIcon(QIcon(image));
        window.show();

        tray = std::make_unique<OnTray>(&window, &pmnRight, &pmnLeft);
        if (probe) tray->setAvailabilityProbe(std::move(probe));
        window.tray = tray.get();
        tray->setHideActions({pitHide, mnuRHideWindow1});
        tray->setHint(QStringLiteral("Quillet1"));
        tray->setIcon(window.windowIcon());
        tray->setApplicationVisible(true);
        tray->setActive(true);
        tray->setRestoreOnLeftClick(true);
    }
    ~TrayWindow() {
        window.tray = nullptr;
        tray.reset();
    }

    void minimise() {
        window.showMinimized();
        QApplication::processEvents();
    }
};

TEST(OnTray, WithoutANotificationAreaMinimisingStaysOrdinary) {
    TrayWindow w([] { return false; });
    EXPECT_FALSE(w.tray->hideOffered());
    EXPECT_FALSE(w.pitHide->isVisible());
    EXPECT_FALSE(w.mnuRHideWindow1->isVisible());
    EXPECT_TRUE(w.mnuRShowWindow1->isVisible());
    EXPECT_FALSE(w.tray->systemTrayIcon()->isVisible());

    w.minimise();
    EXPECT_TRUE(w.window.isVisible());  // still on the taskbar
    EXPECT_TRUE(w.window.isMinimized());

    w.tray->setApplicationVisible(true);
    EXPECT_FALSE(w.window.isMinimized());
    w.tray->setApplicationVisible(false);  // "Hide Window" reached anyway: just minimise
    QApplication::processEvents();
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_TRUE(w.window.isMinimized());
    EXPECT_TRUE(w.tray->applicationVisible());
}

TEST(OnTray, AreaAppearingLaterGetsTheIconAndHidingWorks) {
    bool available = false;
    TrayWindow w([&available] { return available; });
    const auto* poll = w.tray->findChild<QTimer*>(QStringLiteral("trayAvailabilityPoll"));
    ASSERT_NE(poll, nullptr);
    EXPECT_TRUE(poll->isActive());
    EXPECT_LE(poll->interval(), 5000);
    EXPECT_FALSE(w.tray->systemTrayIcon()->isVisible());

    available = true;
    w.tray->checkTrayAvailability();
    QSystemTrayIcon* icon = w.tray->systemTrayIcon();
    EXPECT_TRUE(icon->isVisible());
    EXPECT_EQ(icon->toolTip(), QStringLiteral("Quillet1"));
    EXPECT_TRUE(w.pitHide->isVisible());
    EXPECT_TRUE(w.mnuRHideWindow1->isVisible());

    // Minimise takes the window off the taskbar; a left click brings it back, not minimised.
    w.minimise();
    EXPECT_FALSE(w.window.isVisible());
    emit icon->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_FALSE(w.window.isMinimized());

    // "Hide Window", then a right click opens the menu without restoring the program.
    w.tray->setApplicationVisible(false);
    QApplication::processEvents();
    EXPECT_FALSE(w.window.isVisible());
    emit icon->activated(QSystemTrayIcon::Context);
    EXPECT_TRUE(w.pmnRight.isVisible());
    EXPECT_FALSE(w.pmnLeft.isVisible());
    EXPECT_FALSE(w.window.isVisible());
    w.pmnRight.hide();
    emit icon->activated(QSystemTrayIcon::MiddleClick);  // nothing
    EXPECT_FALSE(w.window.isVisible());

    // The area goes away while hidden: the program comes back to the taskbar, minimised.
    available = false;
    w.tray->checkTrayAvailability();
    EXPECT_TRUE(w.window.isVisible());
    EXPECT_TRUE(w.window.isMinimized());
    EXPECT_FALSE(icon->isVisible());
    EXPECT_FALSE(w.mnuRHideWindow1->isVisible());

    available = true;
    w.tray->checkTrayAvailability();
    EXPECT_TRUE(icon->isVisible());
    w.tray->setActive(false);
    EXPECT_FALSE(icon->isVisible());
}

TEST(OnTray, RealNotificationArea) {
    TrayWindow w;  // the platform's own answer
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        ASSERT_FALSE(qEnvironmentVariableIsSet("QUILLET_EXPECT_TRAY"))
            << "the tray host of with-tray.sh is not seen";
        // The fallback: nothing may hide the program.
        EXPECT_FALSE(w.tray->hideOffered());
        EXPECT_FALSE(w.mnuRHideWindow1->isVisible());
        w.minimise();
        EXPECT_TRUE(w.window.isVisible());
        GTEST_SKIP() << "no notification area on this platform";
    }
    QSystemTrayIcon* icon = w.tray->systemTrayIcon();
    EXPECT_TRUE(icon->isVisible());
    EXPECT_EQ(icon->toolTip(), QStringLiteral("Quillet1"));
    EXPECT_TRUE(w.mnuRHideWindow1->isVisible());
    w.minimise();
    EXPECT_FALSE(w.window.isVisible());
    emit icon->activated(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(w.window.isVisible());
}

}  // namespace
}  // namespace quillet
