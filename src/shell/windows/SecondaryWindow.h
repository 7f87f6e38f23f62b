#pragma once

#include <QMargins>
#include <QRect>
#include <Qt>

class QKeyEvent;
class QWidget;

namespace quillet {

// The frame of the small resizable windows: title, system menu, minimise and close buttons,
// no maximise button.
Qt::WindowFlags secondaryWindowFlags();

// Where a window goes whose client area wants `client` and whose frame adds `frame`: the
// client rectangle, centred in `available` and shrunk where needed so that the whole frame,
// title bar included, stays inside.
QRect fitInside(const QRect& available, QSize client, const QMargins& frame);

// The frame a window has on screen, or a likely one before it was first shown.
QMargins frameMarginsOf(const QWidget* window);

// Sizes and places a window by fitInside on its screen's available area.
void placeOnScreen(QWidget* window, QSize client);

// Gives a window the client size, or the room its contents need, and places it in the middle
// of the screen.
void placeCentred(QWidget* window, int clientWidth, int clientHeight);

// Shows a window, or brings it to the front when it is already visible.
void showOrRaise(QWidget* window);

// Closes a plain window on a plain Esc its children left unused, as dialogs close; true when
// it did.
bool closeOnEscape(QWidget* window, const QKeyEvent* event);

}  // namespace quillet
