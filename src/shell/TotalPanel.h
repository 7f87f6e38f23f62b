#pragma once

#include <QWidget>

class QLabel;
class QMenu;

namespace quillet {

// The line under the task table with the project's total; a right-click on it opens `popup`.
class TotalPanel : public QWidget {
  public:
    TotalPanel(QMenu* popup, QWidget* parent);

    void setTotal(const QString& text);
    // The design's 16 pixels, or the height of a line of the total in a larger font.
    void fitFont();

  private:
    QLabel* lblTotal_ = nullptr;
};

}  // namespace quillet
