#pragma once

#include <QString>
#include <array>
#include <string>

#include "ports/Message.h"

class QLabel;
class QStatusBar;

namespace quillet {

// The panels of the main window's status bar: the status message, the stopwatch and the
// notice, then on the right the timed task (hidden while none is) and today's and this week's
// hours. A screen reader hears what a panel says (its accessible name follows the
// text); the role ("Status", "Timer", "Notice") is the accessible description.
class StatusPanels {
  public:
    static constexpr int kStatusPanelWidth = 250;  // the first panel's least width

    explicit StatusPanels(QStatusBar* bar);

    void clear();
    void show(int panel, const Message& text);
    // The first panel grows to the width its text needs, up to what `windowWidth` leaves
    // beside the others, and elides in the middle, where a long path can lose the most
    // without losing the reason that ends the message. The whole text is its tooltip.
    void fitStatus(int windowWidth);
    // Sizes the timer panel for its longest text in the panels' font, after a font change.
    void fitFont();

  private:
    std::array<QLabel*, 5> labels_{};
    QString statusText_;  // the first panel's whole text, shown elided
    int windowWidth_ = 0;
};

}  // namespace quillet
