#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace quillet {

// The modeless find window: a search text of at most 255 characters and a
// find-next button. The window keeps its text between showings.
class FindDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kMaxSearchText = 255;

    explicit FindDialog(QWidget* parent = nullptr);

    QString searchText() const;
    QLineEdit* textField() const { return text_; }
    QPushButton* findNextButton() const { return findNext_; }

  signals:
    void findNext(const QString& text);

  private:
    QLineEdit* text_;
    QPushButton* findNext_;
};

}  // namespace quillet
