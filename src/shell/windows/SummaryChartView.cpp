#include "shell/windows/SummaryChartView.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/QtPorts.h"
#include "tasks/CostTotal.h"
#include "tasks/SummaryChart.h"

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

void SummaryChartView::setValues(std::vector<double> values, const Locale& locale) {
    values_ = std::move(values);
    locale_ = locale;
    if (selected_ >= static_cast<int>(values_.size())) selected_ = -1;
    update();
}

void SummaryChartView::setSelected(int index) {
    if (index == selected_) return;
    selected_ = index;
    update();
}

// Room on the left for the longest axis label.
QRectF SummaryChartView::plotArea() const {
    const BarChartLayout axis = layoutBarChart(values_, {0, 0, 1, 1});
    int labelWidth = 0;
    for (const double tick : axis.ticks)
        labelWidth = std::max(
            labelWidth, fontMetrics().horizontalAdvance(toQString(formatTotal(tick, locale_))));
    const int half = fontMetrics().height() / 2;
    return QRectF(kMargin + labelWidth + kMargin, kMargin + half,
                  width() - labelWidth - 3 * kMargin, height() - 2 * (kMargin + half));
}

void SummaryChartView::paintEvent(QPaintEvent*) {
    const QRectF area = plotArea();
    if (area.width() <= 0 || area.height() <= 0) return;
    const BarChartLayout layout =
        layoutBarChart(values_, {area.x(), area.y(), area.width(), area.height()});
    QPainter painter(this);
    const QPalette& pal = palette();
    const int textHeight = fontMetrics().height();
    for (std::size_t k = 0; k < layout.ticks.size(); ++k) {
        const double y = layout.tickY[k];
        painter.setPen(QPen(pal.color(QPalette::Mid), 0, Qt::DotLine));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(pal.color(QPalette::Text));
        painter.drawText(
            QRectF(kMargin, y - textHeight / 2.0, area.left() - 2 * kMargin, textHeight),
            Qt::AlignRight | Qt::AlignVCenter, toQString(formatTotal(layout.ticks[k], locale_)));
    }
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < layout.bars.size(); ++i) {
        const ChartRect& bar = layout.bars[i];
        const bool chosen = static_cast<int>(i) == selected_;
        painter.setBrush(pal.color(chosen ? QPalette::Highlight : QPalette::Dark));
        painter.drawRect(QRectF(bar.x, bar.y, std::max(bar.width, 1.0), bar.height));
    }
    painter.setPen(pal.color(QPalette::Text));
    painter.drawLine(QPointF(area.left(), layout.zeroY), QPointF(area.right(), layout.zeroY));
}

void SummaryChartView::mousePressEvent(QMouseEvent* event) {
    const QRectF area = plotArea();
    if (values_.empty() || area.width() <= 0) return;
    const double x = event->position().x() - area.left();
    if (x < 0 || x >= area.width()) return;
    emit barClicked(static_cast<int>(x / area.width() * static_cast<double>(values_.size())));
}

}  // namespace quillet
