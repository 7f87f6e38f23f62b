#include "shell/OnTray.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QTimer>
#include <QWidget>

namespace quillet {

OnTray::OnTray(QWidget* owner, QMenu* popupMenuRight, QMenu* popupMenuLeft, QObject* parent)
    : QObject(parent),
      owner_(owner),
      tray_(new QSystemTrayIcon(this)),
      poll_(new QTimer(this)),
      probe_([] { return QSystemTrayIcon::isSystemTrayAvailable(); }),
      state_(*this) {
    tray_->setObjectName(QStringLiteral("TrayIcon"));
    connect(tray_, &QSystemTrayIcon::activated, this, &OnTray::onActivated);
    setPopupMenu(TrayButton::Left, popupMenuLeft);
    setPopupMenu(TrayButton::Right, popupMenuRight);
    state_.refreshTrayAvailability();
    // Desktops can start or stop their notification area at any time; Qt does not tell us.
    poll_->setObjectName(QStringLiteral("trayAvailabilityPoll"));
    poll_->setInterval(kAvailabilityPollMs);
    connect(poll_, &QTimer::timeout, this, &OnTray::checkTrayAvailability);
    poll_->start();
}

OnTray::~OnTray() {
    state_.setActive(false);
}

void OnTray::setIcon(const QIcon& icon) {
    icon_ = icon;
    tray_->setIcon(icon_);
    state_.setHasIcon(!icon_.isNull());
}

QMenu* OnTray::menuFor(TrayButton which) const {
    return menus_[index(which)];
}

void OnTray::setPopupMenu(TrayButton which, QMenu* menu) {
    menus_[index(which)] = menu;
    state_.setHasMenu(which, menu != nullptr);
    applyHideOffered();
}

void OnTray::setAvailabilityProbe(std::function<bool()> probe) {
    probe_ = std::move(probe);
    checkTrayAvailability();
}

void OnTray::onActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            state_.buttonPressed(TrayButton::Left);
            break;
        case QSystemTrayIcon::Context:
            state_.buttonPressed(TrayButton::Right);
            break;
        case QSystemTrayIcon::MiddleClick:
            state_.buttonPressed(TrayButton::Middle);
            break;
        // The first press of a double click has already restored the program.
        case QSystemTrayIcon::DoubleClick:
        case QSystemTrayIcon::Unknown:
            break;
    }
}

bool OnTray::isTrayAvailable() {
    return probe_();
}

void OnTray::showIcon(const std::string& tip) {
    tray_->setToolTip(QString::fromStdString(tip));
    tray_->setIcon(icon_);
    // Re-install from scratch: after the area went away Qt may still think it is shown.
    tray_->hide();
    tray_->show();
}

void OnTray::updateIcon(const std::string& tip) {
    tray_->setToolTip(QString::fromStdString(tip));
    tray_->setIcon(icon_);
}

void OnTray::removeIcon() {
    tray_->hide();
}

void OnTray::showApplication() {
    if (!owner_) return;
    owner_->setWindowState(owner_->windowState() & ~Qt::WindowMinimized);
    owner_->show();
    owner_->raise();
    owner_->activateWindow();
}

void OnTray::hideApplication() {
    // Hiding from inside the minimise's own state change confuses some window managers, so the
    // hide waits for the event loop, and is dropped if the program was restored meanwhile.
    QTimer::singleShot(0, this, [this] {
        if (owner_ && state_.hiddenToTray()) owner_->hide();
    });
}

void OnTray::minimizeApplication() {
    if (owner_) owner_->showMinimized();
}

void OnTray::bringToFront() {
    if (!owner_) return;
    if (owner_->isMinimized()) owner_->setWindowState(owner_->windowState() & ~Qt::WindowMinimized);
    owner_->raise();
    owner_->activateWindow();
}

void OnTray::popupMenu(TrayButton which) {
    if (QMenu* menu = menus_[index(which)]) menu->popup(QCursor::pos());
}

void OnTray::setHideOffered(bool offered) {
    hideOffered_ = offered;
    applyHideOffered();
}

void OnTray::setHideActions(const QList<QAction*>& actions) {
    hideActions_.clear();
    for (QAction* action : actions) hideActions_.append(action);
    applyHideOffered();
}

void OnTray::applyHideOffered() {
    for (const QPointer<QAction>& action : hideActions_)
        if (action) action->setVisible(hideOffered_);
}

}  // namespace quillet
