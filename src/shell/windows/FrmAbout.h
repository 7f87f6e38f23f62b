#pragma once

#include <QDialog>
#include <functional>

class QLabel;

namespace quillet {

// The modeless about box: the program's icon, name, version, the maker's web and e-mail
// addresses (clickable) and a note. OK and the close button only hide it.
class FrmAbout : public QDialog {
    Q_OBJECT

  public:
    explicit FrmAbout(QWidget* parent = nullptr);

    // Clicks on the web address and on the e-mail address.
    std::function<void()> openMakerWebSite;
    std::function<void()> writeEmail;

  private:
    void showNote();

    QLabel* lblinfo2_ = nullptr;
};

}  // namespace quillet
