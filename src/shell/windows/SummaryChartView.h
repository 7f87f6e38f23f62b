#pragma once

#include <QWidget>
#include <vector>

#include "ports/Locale.h"

namespace quillet {

// The summary's bar chart: one bar per period, the selected one highlighted. Painted from
// values set once per recompute, in the palette's colours so a dark theme reads as well.
class SummaryChartView : public QWidget {
    Q_OBJECT

  public:
    explicit SummaryChartView(QWidget* parent = nullptr);

    void setValues(std::vector<double> values, const Locale& locale);
    void setSelected(int index);
    int selected() const { return selected_; }
    const std::vector<double>& values() const { return values_; }

  signals:
    void barClicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QRectF plotArea() const;

    std::vector<double> values_;
    Locale locale_;
    int selected_ = -1;
};

}  // namespace quillet
