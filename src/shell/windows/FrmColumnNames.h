#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "app/MainController.h"

class QLineEdit;

namespace quillet {

// The modeless window "Change Column Names": six boxes for the headings of columns 1 to 6.
// Each time it turns visible the boxes start from the current headings; OK hands their
// texts on, Cancel, Esc and the close button only hide it.
class FrmColumnNames : public QDialog {
    Q_OBJECT

  public:
    using Names = MainController::ColumnNames;

    explicit FrmColumnNames(QWidget* parent = nullptr);

    // The headings the boxes start from.
    std::function<Names()> currentNames;
    // OK with the boxes' texts, exactly as typed; false when they were not taken (another
    // command was running, or an error was shown), and the window stays open with them.
    std::function<bool(const Names&)> onOkay;

    Names names() const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void fillBoxes();
    void applyNames();

    std::array<QLineEdit*, MainController::kNamedColumns> txtCol_{};
    Names shown_;  // what the boxes were filled with
};

}  // namespace quillet
