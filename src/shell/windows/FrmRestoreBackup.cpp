#include "shell/windows/FrmRestoreBackup.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <optional>

#include "ports/DateTime.h"
#include "ports/Locale.h"
#include "shell/windows/SecondaryWindow.h"

namespace quillet {

namespace {

enum BackupColumn { SavedColumn, SizeColumn, TasksColumn };

// The locale's short date and time, its year in four digits as everywhere in the program,
// with seconds: saves a few seconds apart must not read alike.
QString savedText(const QLocale& locale, double dateTime) {
    QString format = QString::fromStdString(
        withFourDigitYear(locale.dateTimeFormat(QLocale::ShortFormat).toStdString()));
    const qsizetype minutes = format.indexOf(QStringLiteral("mm"));
    if (minutes > 0 && !format.contains(QLatin1Char('s')))
        format.insert(minutes + 2, format.at(minutes - 1) + QStringLiteral("ss"));
    const CivilDate d = decodeDate(dateTime);
    const ClockTime t = decodeTime(dateTime);
    return locale.toString(
        QDateTime(QDate(d.year, d.month, d.day), QTime(t.hour, t.minute, t.second, t.millisecond)),
        format);
}

QPushButton* makeButton(const QString& text, const char* name, const QString& accessible,
                        QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(accessible);
    button->setMinimumSize(75, 25);
    return button;
}

}  // namespace

// A plain dialog frame: a modal window that could be minimised would leave the main window
// blocked with nothing to show for it.
FrmRestoreBackup::FrmRestoreBackup(QWidget* parent) : QDialog(parent) {
    setObjectName("frmRestoreBackup");
    setWindowTitle(tr("Restore Backup"));
    setModal(true);

    lstBackups_ = new QTreeWidget(this);
    lstBackups_->setObjectName("lstBackups");
    lstBackups_->setAccessibleName(tr("Backups"));
    lstBackups_->setHeaderLabels({tr("Saved"), tr("Size"), tr("Tasks")});
    lstBackups_->setRootIsDecorated(false);
    lstBackups_->setUniformRowHeights(true);
    lstBackups_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstBackups_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (const int column : {SizeColumn, TasksColumn})
        lstBackups_->headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    QHeaderView* header = lstBackups_->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(SavedColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(SizeColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(TasksColumn, QHeaderView::ResizeToContents);

    lblNote_ = new QLabel(this);
    lblNote_->setObjectName("lblNote");
    lblNote_->setWordWrap(true);
    lblNote_->setAlignment(Qt::AlignCenter);

    btnOpen_ = makeButton(tr("&Open"), "btnOpen", tr("Open"), this);
    btnOpen_->setDefault(true);
    btnShowFolder_ = makeButton(tr("Show &Folder"), "btnShowFolder", tr("Show Folder"), this);
    btnClose_ = makeButton(tr("Close"), "btnClose", tr("Close"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnShowFolder_);
    buttons->addStretch(1);
    buttons->addWidget(btnOpen_);
    buttons->addWidget(btnClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstBackups_, 1);
    layout->addWidget(lblNote_, 1);
    layout->addLayout(buttons);
    setTabOrder(lstBackups_, btnOpen_);
    setTabOrder(btnOpen_, btnClose_);
    setTabOrder(btnClose_, btnShowFolder_);

    // Enter reaches the default button; the view's own activation would open a second time.
    connect(lstBackups_, &QTreeWidget::itemDoubleClicked, this, &FrmRestoreBackup::openChosen);
    connect(lstBackups_, &QTreeWidget::itemSelectionChanged, this,
            &FrmRestoreBackup::updateButtons);
    connect(btnOpen_, &QPushButton::clicked, this, &FrmRestoreBackup::openChosen);
    connect(btnShowFolder_, &QPushButton::clicked, this, [this] {
        if (onShowFolder) onShowFolder();
    });
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::reject);
    placeCentred(this, 440, 260);
}

void FrmRestoreBackup::setVersions(const std::vector<BackupListing>& versions, bool untitled) {
    lstBackups_->clear();
    paths_.clear();
    const QLocale here = locale();
    for (const auto& [version, tasks] : versions) {
        auto* item = new QTreeWidgetItem(lstBackups_);
        item->setText(SavedColumn, savedText(here, version.time));
        item->setText(SizeColumn, here.formattedDataSize(static_cast<qint64>(version.size), 1,
                                                         QLocale::DataSizeTraditionalFormat));
        item->setText(TasksColumn, tasks ? here.toString(*tasks) : QStringLiteral("?"));
        item->setTextAlignment(SizeColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(TasksColumn, Qt::AlignRight | Qt::AlignVCenter);
        paths_.push_back(version.path);
    }
    const bool listed = !paths_.empty();
    lblNote_->setText(QString::fromUtf8(untitled ? kBackupsNeedASavedFile : kNoBackupsYet));
    lblNote_->setVisible(!listed);
    lstBackups_->setVisible(listed);
    btnShowFolder_->setEnabled(listed);
    if (listed) {
        lstBackups_->setCurrentItem(lstBackups_->topLevelItem(0));
        lstBackups_->setFocus();
    } else {
        btnClose_->setFocus();
    }
    updateButtons();
}

void FrmRestoreBackup::updateButtons() {
    btnOpen_->setEnabled(!lstBackups_->selectedItems().isEmpty());
}

void FrmRestoreBackup::openChosen() {
    const QList<QTreeWidgetItem*> chosen = lstBackups_->selectedItems();
    if (chosen.isEmpty()) return;
    const int row = lstBackups_->indexOfTopLevelItem(chosen.front());
    if (row < 0 || static_cast<std::size_t>(row) >= paths_.size()) return;
    if (!onOpen || onOpen(paths_[static_cast<std::size_t>(row)])) accept();
}

}  // namespace quillet
