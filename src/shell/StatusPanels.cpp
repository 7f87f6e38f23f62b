#include "shell/StatusPanels.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>
#include <algorithm>

#include "shell/CoreMessages.h"

namespace quillet {

namespace {
constexpr int kTimerPanelWidth = 110;

// The longest text the timer panel shows, which must fit in the font it is drawn in.
QString longestTimerText() {
    return QCoreApplication::translate("StatusPanels", "Timer: %1")
        .arg(QStringLiteral("00:00:00:00"));
}

int textFrame(const QLabel* label) {
    const QMargins margins = label->contentsMargins();
    return margins.left() + margins.right() + 2 * label->margin() + 4;
}

// Shows as much of its text as fits, ending in "…", with the whole of it in the tooltip: a
// long translation must never run under the panels beside it or stop mid-word unmarked.
class ElidingLabel : public QLabel {
  public:
    using QLabel::QLabel;
    void setFullText(const QString& text) {
        full_ = text;
        setToolTip(text);
        updateGeometry();
        refit();
    }
    QSize sizeHint() const override {
        return {fontMetrics().horizontalAdvance(full_) + textFrame(this),
                QLabel::sizeHint().height()};
    }
    QSize minimumSizeHint() const override { return {1, QLabel::minimumSizeHint().height()}; }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        refit();
    }

  private:
    void refit() {
        const int room = std::max(0, width() - textFrame(this));
        const QString shown = fontMetrics().elidedText(full_, Qt::ElideRight, room);
        if (text() != shown) setText(shown);
    }
    QString full_;
};
}  // namespace

StatusPanels::StatusPanels(QStatusBar* bar) {
    const int widths[5] = {kStatusPanelWidth, kTimerPanelWidth, 0, -1, -1};
    const QString roles[5] = {QCoreApplication::translate("StatusPanels", "Status"),
                              QCoreApplication::translate("StatusPanels", "Timer"),
                              QCoreApplication::translate("StatusPanels", "Notice"),
                              QCoreApplication::translate("StatusPanels", "Timed task"),
                              QCoreApplication::translate("StatusPanels", "Today and this week")};
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        QLabel* label = i >= 2 ? new ElidingLabel(bar) : new QLabel(bar);
        labels_[i] = label;
        label->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i));
        label->setAccessibleDescription(roles[i]);
        label->setAccessibleName(roles[i]);
        label->setContentsMargins(2, 0, 2, 0);
        if (widths[i] < 0) {
            // They take the room the others leave, never the status message's: the whole text
            // is in the tooltip and, for screen readers, the accessible name.
            bar->addPermanentWidget(label);
            label->setVisible(false);  // until it has something to say
        } else if (widths[i] > 0) {
            bar->addWidget(label);
        } else {
            bar->addWidget(label, 1);
        }
    }
    fitFont();
}

void StatusPanels::fitFont() {
    QLabel* timer = labels_[1];
    const int needed =
        timer->fontMetrics().horizontalAdvance(longestTimerText()) + textFrame(timer);
    timer->setFixedWidth(std::max(kTimerPanelWidth, needed));
    fitStatus(windowWidth_);
}

void StatusPanels::clear() {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        if (i >= 2)
            static_cast<ElidingLabel*>(labels_[i])->setFullText({});
        else
            labels_[i]->clear();
    }
}

void StatusPanels::show(int panel, const Message& text) {
    QLabel* label = labels_[static_cast<std::size_t>(panel)];
    const QString shown = CoreMessages::translate(text);
    if (panel == 0) {
        statusText_ = shown;
        fitStatus(windowWidth_);
    } else if (panel == 1) {
        if (label->text() != shown) label->setText(shown);
    } else if (label->toolTip() != shown || shown.isEmpty()) {
        static_cast<ElidingLabel*>(label)->setFullText(shown);
        if (panel > 2 && label->isHidden() != shown.isEmpty()) {
            label->setVisible(!shown.isEmpty());
        }
    }
    label->setAccessibleName(shown.isEmpty() ? label->accessibleDescription() : shown);
}

void StatusPanels::fitStatus(int windowWidth) {
    windowWidth_ = windowWidth;
    QLabel* label = labels_[0];
    const int frame = textFrame(label);
    // The status message comes first; the notice and the timed task's panels share what is
    // left, each elided with its whole text in the tooltip.
    const int others = labels_[1]->width() + 60;  // the timer, the notice's minimum
    const int room = std::max(kStatusPanelWidth, windowWidth - others);
    const int wanted = label->fontMetrics().horizontalAdvance(statusText_) + frame;
    const int panelWidth = std::clamp(wanted, kStatusPanelWidth, room);
    label->setFixedWidth(panelWidth);
    label->setText(
        label->fontMetrics().elidedText(statusText_, Qt::ElideMiddle, panelWidth - frame));
    label->setToolTip(statusText_);
}

}  // namespace quillet
