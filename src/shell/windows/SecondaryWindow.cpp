#include "shell/windows/SecondaryWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace quillet {

namespace {

// A window manager frames a window only after it was first mapped, so the first placement
// used a guessed frame, and the manager may still move the window while it settles. Each time
// the window's geometry has been still for a moment during its first seconds on screen, it is
// fitted again if its frame, title bar included, is not on the available area. Later moves
// are the user's.
class RefitWhenFramed : public QObject {
  public:
    explicit RefitWhenFramed(QWidget* window) : QObject(window), window_(window) {
        settled_.setSingleShot(true);
        settled_.setInterval(100);
        connect(&settled_, &QTimer::timeout, this, &RefitWhenFramed::refitIfFramed);
        window->installEventFilter(this);
        watchHandle();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_ && event->type() == QEvent::Show) {
            watchHandle();  // the native window exists from the first show on
        } else if (watched == handle_ &&
                   (event->type() == QEvent::Expose || event->type() == QEvent::Move ||
                    event->type() == QEvent::Resize)) {
            if (event->type() == QEvent::Expose && !stopping_ && handle_->isExposed()) {
                stopping_ = true;
                QTimer::singleShot(2000, this, &RefitWhenFramed::stopWatching);
            }
            settled_.start();
        }
        return false;
    }

  private:
    void watchHandle() {
        QWindow* handle = window_->windowHandle();
        if (!handle || handle == handle_ || stopped_) return;
        handle_ = handle;
        handle->installEventFilter(this);
    }

    void refitIfFramed() {
        if (!handle_ || !handle_->isExposed() || handle_->frameMargins().isNull()) return;
        const QScreen* screen = handle_->screen();
        if (screen && !screen->availableGeometry().contains(handle_->frameGeometry()))
            placeOnScreen(window_, window_->size());
    }

    void stopWatching() {
        settled_.stop();
        stopped_ = true;
        window_->removeEventFilter(this);
        if (handle_) handle_->removeEventFilter(this);
        handle_ = nullptr;
    }

    QWidget* window_;
    QWindow* handle_ = nullptr;
    QTimer settled_;
    bool stopping_ = false;
    bool stopped_ = false;
};

}  // namespace

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
    // The native window's margins are current; the widget's may wait for its next move.
    if (const QWindow* handle = window->windowHandle(); handle && !handle->frameMargins().isNull())
        return handle->frameMargins();
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
    const QRect inner = fitInside(screen->availableGeometry(), client, frameMarginsOf(window));
    // The client rectangle, not move(): before the window is framed Qt would take a frame
    // position for the client's and push the title bar above the screen.
    window->setGeometry(inner);
    static const char* const watched = "quilletRefitWhenFramed";
    if (!window->property(watched).toBool()) {
        window->setProperty(watched, true);
        new RefitWhenFramed(window);
    }
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
