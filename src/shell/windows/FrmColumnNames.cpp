#include "shell/windows/FrmColumnNames.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <algorithm>
#include <limits>

#include "shell/QtPorts.h"
#include "shell/windows/SecondaryWindow.h"

namespace quillet {

FrmColumnNames::FrmColumnNames(QWidget* parent) : QDialog(parent, secondaryWindowFlags()) {
    setObjectName("frmColumnNames");
    setWindowTitle(tr("Quillet1 - Change Column Names"));
    setModal(false);

    // The design's grid: labels at 8, boxes of 121 x 21 at 64 on a 32-pixel pitch, the buttons
    // to their right beside rows 4 and 6, the note below. A layout keeps it readable in
    // the desktop's font, which may be wider than the design's.
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 16, 9, 17);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(11);
    for (int k = 1; k <= MainController::kNamedColumns; ++k) {
        auto* label = new QLabel(tr("Column %1:").arg(k), this);
        label->setObjectName(QStringLiteral("lblCol%1").arg(k));
        QLineEdit*& box = txtCol_[static_cast<size_t>(k - 1)];
        box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtCol%1").arg(k));
        box->setMinimumSize(121, 21);
        box->setMaxLength(std::numeric_limits<int>::max());  // a long heading is not cut
        label->setBuddy(box);
        layout->addWidget(label, k - 1, 0);
        layout->addWidget(box, k - 1, 1);
    }

    auto* btnOkay =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("&OK"), this);
    btnOkay->setObjectName("btnOkay");
    btnOkay->setMinimumSize(75, 25);
    btnOkay->setDefault(true);
    auto* btnCancel =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("&Cancel"), this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setMinimumSize(75, 25);
    layout->setColumnMinimumWidth(2, 39);
    layout->addWidget(btnOkay, 3, 3);
    layout->addWidget(btnCancel, 4, 3, 2, 1, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    setTabOrder(txtCol_.back(), btnOkay);
    setTabOrder(btnOkay, btnCancel);

    auto* lblNote =
        new QLabel(tr("NOTE:  If you use the word \"date\" or \"Date\" in the name, the data will "
                      "automatically be formatted as mm/dd/yyyy for you."),
                   this);
    lblNote->setObjectName("lblNote");
    lblNote->setWordWrap(true);
    lblNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblNote->setMinimumHeight(std::max(33, lblNote->heightForWidth(313)));
    layout->addWidget(lblNote, 6, 0, 1, 4);
    layout->setRowStretch(7, 1);

    connect(btnOkay, &QPushButton::clicked, this, &FrmColumnNames::applyNames);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    placeCentred(this, 330, 266);
}

// A box the user left alone gives back the bytes it was filled with, so a heading from an
// older file in another encoding is not rewritten by an OK that changed something else.
FrmColumnNames::Names FrmColumnNames::names() const {
    Names out;
    for (size_t i = 0; i < txtCol_.size(); ++i) {
        const QString text = txtCol_[i]->text();
        out[i] = text == toQString(shown_[i]) ? shown_[i] : fromQString(text);
    }
    return out;
}

// Only a showing from hidden fills the boxes: choosing the command again while the window is
// open keeps what the user typed, and so does restoring it from minimised.
void FrmColumnNames::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) fillBoxes();
}

void FrmColumnNames::fillBoxes() {
    if (!currentNames) return;
    shown_ = currentNames();
    for (size_t i = 0; i < txtCol_.size(); ++i) txtCol_[i]->setText(toQString(shown_[i]));
    txtCol_[0]->setFocus();
}

void FrmColumnNames::applyNames() {
    if (!onOkay || onOkay(names())) accept();
}

}  // namespace quillet
