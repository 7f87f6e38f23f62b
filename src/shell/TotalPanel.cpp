#include "shell/TotalPanel.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <algorithm>

namespace quillet {

// The texts keep the main window's translations.
TotalPanel::TotalPanel(QMenu* popup, QWidget* parent) : QWidget(parent) {
    setObjectName("Panel1");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(2);
    auto* label1 = new QLabel(
        QCoreApplication::translate("quillet::Form1", "Total Cost/Fees for current project: $"),
        this);
    label1->setObjectName("Label1");
    lblTotal_ = new QLabel(this);
    lblTotal_->setObjectName("lblTotal");
    for (QLabel* label : {label1, lblTotal_}) {
        label->setToolTip(QCoreApplication::translate("quillet::Form1", "Right-click for options"));
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(label, &QWidget::customContextMenuRequested, this,
                [popup, label](const QPoint& pos) { popup->popup(label->mapToGlobal(pos)); });
        layout->addWidget(label);
    }
    layout->addStretch(1);
    fitFont();
}

void TotalPanel::setTotal(const QString& text) {
    lblTotal_->setText(text);
}

void TotalPanel::fitFont() {
    setFixedHeight(std::max(16, lblTotal_->fontMetrics().height() + 2));
}

}  // namespace quillet
