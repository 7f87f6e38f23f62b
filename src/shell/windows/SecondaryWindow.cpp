#include "shell/windows/SecondaryWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace quillet {

Qt::WindowFlags secondaryWindowFlags() {
    return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}

QRect fitInside(const QRect& available, QSize client, const QMargins& frame) {
    const int frameWidth = frame.left() + frame.right();
    const int frameHeight = frame.top() + frame.bottom();
    const QSize room(std::max(1, available.width() - frameWidth),
                     std::max(1, available.height() - frameHeight));
    const QSize size = client.boundedTo(room).expandedTo(QSize(1, 1));
    const int left = available.left() + (available.width() - size.width() - frameWidth) / 2;
    const int top = available.top() + (available.height() - size.height() - frameHeight) / 2;
    return {QPoint(std::max(available.left(), left) + frame.left(),
                   std::max(available.top(), top) + frame.top()),
            size};
}

QMargins frameMarginsOf(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    if (outer != inner)
        return {inner.left() - outer.left(), inner.top() - outer.top(),
                outer.right() - inner.right(), outer.bottom() - inner.bottom()};
    // Not yet framed by the window manager: a title bar and thin borders, as most draw them.
    const int border = 4;
    return {border, window->style()->pixelMetric(QStyle::PM_TitleBarHeight) + border, border,
            border};
}

void placeOnScreen(QWidget* window, QSize client) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window->resize(client);
        return;
    }
    const QMargins frame = frameMarginsOf(window);
    const QRect inner = fitInside(screen->availableGeometry(), client, frame);
    window->resize(inner.size());
    // A top-level window's position is that of its frame.
    window->move(inner.topLeft() - QPoint(frame.left(), frame.top()));
}

// A desktop font larger than the design's may need more room than the design size.
void placeCentred(QWidget* window, int clientWidth, int clientHeight) {
    placeOnScreen(window, window->sizeHint().expandedTo(QSize(clientWidth, clientHeight)));
}

void showOrRaise(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

bool closeOnEscape(QWidget* window, const QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) return false;
    window->close();
    return true;
}

}  // namespace quillet
