#include "shell/windows/FindDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillet {

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("FindDialog1");
    setWindowTitle(tr("Find"));
    setModal(false);

    auto* label = new QLabel(tr("Fi&nd what:"), this);
    text_ = new QLineEdit(this);
    text_->setObjectName("FindText");
    text_->setMaxLength(kMaxSearchText);
    label->setBuddy(text_);

    findNext_ = new QPushButton(tr("&Find Next"), this);
    findNext_->setObjectName("FindNextButton");
    findNext_->setDefault(true);
    findNext_->setEnabled(false);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("FindCancelButton");

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(text_, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNext_);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addLayout(buttons);

    connect(text_, &QLineEdit::textChanged, this,
            [this](const QString& text) { findNext_->setEnabled(!text.isEmpty()); });
    connect(findNext_, &QPushButton::clicked, this, [this] { emit findNext(text_->text()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
}

QString FindDialog::searchText() const {
    return text_->text();
}

}  // namespace quillet
