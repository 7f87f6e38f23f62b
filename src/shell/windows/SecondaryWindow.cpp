#include "shell/windows/SecondaryWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quillet {

Qt::WindowFlags secondaryWindowFlags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}

// A desktop font larger than the design's may need more room than the design size.
void placeCentred(QWidget* window, int clientWidth, int clientHeight) {
    const QSize size = window->sizeHint().expandedTo(QSize(clientWidth, clientHeight));
    window->resize(size);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() -
                     QPoint(size.width() / 2, size.height() / 2));
}

void showOrRaise(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace quillet
