#include "shell/windows/SummaryChartView.h"

#include <algorithm>

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "grid/ColorContrast.h"
#include "shell/CoreMessages.h"
#include "shell/GridModel.h"
#include "shell/QtPorts.h"
#include "tasks/CostTotal.h"

namespace quillet {

namespace {
constexpr int kMargin = 6;
}

SummaryChartView::SummaryChartView(QWidget* parent) : QWidget(parent) {
    setObjectName("SummaryChart1");
    setAccessibleName(tr("Summary chart"));
    setMinimumSize(200, 150);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void SummaryChartView::setBars(std::vector<SummaryBar> bars, const QString& description,
                               const Locale& locale) {
    bars_ = std::move(bars);
    values_.clear();
    for (const SummaryBar& bar : bars_) values_.push_back(bar.value);
    locale_ = locale;
    setAccessibleDescription(description);
    if (selected_ >= static_cast<int>(values_.size())) selected_ = -1;
    update();
}

void SummaryChartView::setSelected(int index) {
    if (index == selected_) return;
    selected_ = index;
    update();
}

// A theme's own bar colours may all but vanish on its background (a dark one's Dark on
// Base): each is shifted just enough to stand out, keeping its hue.
SummaryChartView::Colours SummaryChartView::colours() const {
    const QPalette& pal = palette();
    const Color background = toColor(pal.color(QPalette::Base));
    return {pal.color(QPalette::Base),
            fromColor(readableTextOn(background, toColor(pal.color(QPalette::Text)))),
            fromColor(readableOn(background, toColor(pal.color(QPalette::Dark)))),
            fromColor(readableOn(background, toColor(pal.color(QPalette::Highlight))))};
}

// Room on the left for the longest axis label, below for the periods.
QRectF SummaryChartView::plotArea() const {
    const BarChartLayout axis = layoutBarChart(values_, {0, 0, 1, 1});
    int labelWidth = 0;
    for (const double tick : axis.ticks)
        labelWidth = std::max(
            labelWidth, fontMetrics().horizontalAdvance(toQString(formatTotal(tick, locale_))));
    const int half = fontMetrics().height() / 2;
    return QRectF(kMargin + labelWidth + kMargin, kMargin + half,
                  width() - labelWidth - 3 * kMargin,
                  height() - 2 * (kMargin + half) - fontMetrics().height());
}

int SummaryChartView::labelStep() const {
    if (bars_.empty()) return 1;
    int widest = 0;
    for (const SummaryBar& bar : bars_)
        widest = std::max(widest, fontMetrics().horizontalAdvance(toQString(bar.label)));
    return barLabelStep(widest, plotArea().width() / static_cast<double>(bars_.size()),
                        fontMetrics().averageCharWidth());
}

void SummaryChartView::paintEvent(QPaintEvent*) {
    const QRectF area = plotArea();
    if (area.width() <= 0 || area.height() <= 0) return;
    const BarChartLayout layout =
        layoutBarChart(values_, {area.x(), area.y(), area.width(), area.height()});
    QPainter painter(this);
    const Colours colour = colours();
    const int textHeight = fontMetrics().height();
    for (std::size_t k = 0; k < layout.ticks.size(); ++k) {
        const double y = layout.tickY[k];
        painter.setPen(QPen(palette().color(QPalette::Mid), 0, Qt::DotLine));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(colour.text);
        painter.drawText(
            QRectF(kMargin, y - textHeight / 2.0, area.left() - 2 * kMargin, textHeight),
            Qt::AlignRight | Qt::AlignVCenter, toQString(formatTotal(layout.ticks[k], locale_)));
    }
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < layout.bars.size(); ++i) {
        const ChartRect& bar = layout.bars[i];
        const bool chosen = static_cast<int>(i) == selected_;
        painter.setBrush(chosen ? colour.selectedBar : colour.bar);
        painter.drawRect(QRectF(bar.x, bar.y, std::max(bar.width, 1.0), bar.height));
    }
    painter.setPen(colour.text);
    painter.drawLine(QPointF(area.left(), layout.zeroY), QPointF(area.right(), layout.zeroY));
    // Under the plot, below the lowest axis label; each centred on its bar, inside the view.
    const int step = labelStep();
    const double slot = bars_.empty() ? 0 : area.width() / static_cast<double>(bars_.size());
    const double top = area.bottom() + textHeight / 2.0;
    for (std::size_t i = 0; i < bars_.size(); i += static_cast<std::size_t>(step)) {
        const QString text = toQString(bars_[i].label);
        const double wide = fontMetrics().horizontalAdvance(text);
        const double centre = area.left() + slot * (static_cast<double>(i) + 0.5);
        const double left = std::clamp(centre - wide / 2, 0.0, std::max(0.0, width() - wide));
        painter.drawText(QRectF(left, top, wide, textHeight), Qt::AlignCenter, text);
    }
}

int SummaryChartView::barAt(double x) const {
    const QRectF area = plotArea();
    if (values_.empty() || area.width() <= 0) return -1;
    const double offset = x - area.left();
    if (offset < 0 || offset >= area.width()) return -1;
    return static_cast<int>(offset / area.width() * static_cast<double>(values_.size()));
}

bool SummaryChartView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int index = barAt(help->pos().x());
    if (index < 0) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(),
                           CoreMessages::translate(bars_[static_cast<std::size_t>(index)].tooltip),
                           this);
    }
    return true;
}

void SummaryChartView::mousePressEvent(QMouseEvent* event) {
    const int index = barAt(event->position().x());
    if (index >= 0) emit barClicked(index);
}

}  // namespace quillet
