#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

#include "ports/Locale.h"
#include "tasks/SummaryChart.h"

namespace quillet {

// The summary's bar chart: one bar per period, the selected one highlighted, each with its
// period under it (every n-th when crowded) and its figures as a tooltip. Painted from bars
// set once per recompute, in the palette's colours made readable on its background, so a
// dark theme reads as well.
class SummaryChartView : public QWidget {
    Q_OBJECT

  public:
    explicit SummaryChartView(QWidget* parent = nullptr);

    // `description` is what a screen reader says of the chart.
    void setBars(std::vector<SummaryBar> bars, const QString& description, const Locale& locale);
    void setSelected(int index);
    int selected() const { return selected_; }
    const std::vector<double>& values() const { return values_; }

    struct Colours {
        QColor background;
        QColor text;
        QColor bar;
        QColor selectedBar;
    };
    Colours colours() const;
    // Every how many bars one carries its label at the present size.
    int labelStep() const;

  signals:
    void barClicked(int index);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QRectF plotArea() const;
    // The bar whose slot holds x, or -1.
    int barAt(double x) const;

    std::vector<SummaryBar> bars_;
    std::vector<double> values_;
    Locale locale_;
    int selected_ = -1;
};

}  // namespace quillet
