#pragma once

#include <Qt>

class QWidget;

namespace quillet {

// The frame of the small resizable windows: title, system menu, minimise and close buttons,
// no maximise button.
Qt::WindowFlags secondaryWindowFlags();

// Gives a window the client size, or the room its contents need, and places it in the middle
// of the screen.
void placeCentred(QWidget* window, int clientWidth, int clientHeight);

// Shows a window, or brings it to the front when it is already visible.
void showOrRaise(QWidget* window);

}  // namespace quillet
