#include "shell/SmallWindows.h"

#include <QDate>
#include <QFontDialog>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

#include "app/MainController.h"
#include "shell/CommandRunner.h"
#include "shell/CoreMessages.h"
#include "shell/QtPorts.h"
#include "shell/RecoveryDriver.h"
#include "shell/windows/FindDialog.h"
#include "shell/windows/FrmAbout.h"
#include "shell/windows/FrmCal.h"
#include "shell/windows/FrmColumnNames.h"
#include "shell/windows/FrmRestoreBackup.h"
#include "shell/windows/FrmSummary.h"
#include "shell/windows/FrmWorkLog.h"
#include "shell/windows/SecondaryWindow.h"

namespace quillet {

namespace {
// What a font change carries over: family, size and style. Qt's font dialog has no colour.
QFont withChoice(QFont font, const QFont& chosen) {
    font.setFamily(chosen.family());
    font.setPointSizeF(chosen.pointSizeF());
    font.setWeight(chosen.weight());
    font.setItalic(chosen.italic());
    font.setUnderline(chosen.underline());
    font.setStrikeOut(chosen.strikeOut());
    return font;
}
}  // namespace

SmallWindows::SmallWindows(MainController& controller, CommandRunner& runner, QWidget* window,
                           QWidget* cells)
    : controller_(controller),
      runner_(runner),
      window_(window),
      cells_(cells),
      fontDialogFont_(window->font()) {
    findDialog_ = new FindDialog(window_);
    QObject::connect(findDialog_, &FindDialog::findNext, window_, [this](const QString& text) {
        bool close = false;
        runner_.run([&] { close = controller_.find(fromQString(text)); });
        if (close) {
            findDialog_->hide();
            return;
        }
        // After "not found" the next typing belongs in the find window, not in a cell.
        findDialog_->activateWindow();
        findDialog_->textField()->setFocus();
        findDialog_->textField()->selectAll();
    });
}

void SmallWindows::showFind() {
    findDialog_->show();
    findDialog_->raise();
    findDialog_->activateWindow();
}

void SmallWindows::findAgain() {
    controller_.findAgain(fromQString(findDialog_->searchText()));
}

// None is needed to start, so they are made together the first time one is asked for.
void SmallWindows::createSimpleWindows() {
    if (frmAbout_) return;
    frmAbout_ = new FrmAbout(window_);
    frmAbout_->openMakerWebSite = [this] {
        runner_.run([this] { controller_.openMakerWebSite(); });
    };
    frmAbout_->writeEmail = [this] { runner_.run([this] { controller_.writeEmail(); }); };
    frmColumnNames_ = new FrmColumnNames(window_);
    frmColumnNames_->currentNames = [this] { return controller_.columnNames(); };
    frmColumnNames_->onOkay = [this](const MainController::ColumnNames& names) {
        return runner_.run([&] { controller_.renameColumns(names); });
    };
    frmCal_ = new FrmCal(window_);
    frmCal_->today = [this] {
        const CivilDate d = controller_.todayDate();
        return QDate(d.year, d.month, d.day);
    };
}

void SmallWindows::showColumnNames() {
    createSimpleWindows();
    showOrRaise(frmColumnNames_);
}

// Listed afresh at each showing: every save may have kept another version. Without
// recovery (tests) nothing is kept, so nothing is listed.
void SmallWindows::showRestoreBackup() {
    if (!frmRestoreBackup_) {
        frmRestoreBackup_ = new FrmRestoreBackup(window_);
        frmRestoreBackup_->onOpen = [this](const std::string& path) {
            return runner_.run([&] { controller_.openBackup(path); });
        };
        frmRestoreBackup_->onShowFolder = [this] {
            if (!recovery_) return;
            const std::string folder =
                recovery_->recovery().backups().folderFor(controller_.project().fileName());
            runner_.run([&] { controller_.showFolder(folder); });
        };
    }
    const bool untitled = controller_.project().isUntitled();
    if (!recovery_ || untitled) {
        frmRestoreBackup_->setVersions({}, untitled);
        showOrRaise(frmRestoreBackup_);
        return;
    }
    // Listed off this thread; the window shows once the list is there.
    FrmRestoreBackup* window = frmRestoreBackup_;
    recovery_->recovery().listBackups([window](std::vector<BackupListing> listed) {
        QMetaObject::invokeMethod(
            window,
            [window, listed = std::move(listed)] {
                window->setVersions(listed, false);
                showOrRaise(window);
            },
            Qt::QueuedConnection);
    });
}

void SmallWindows::showCalendar() {
    createSimpleWindows();
    showOrRaise(frmCal_);
}

void SmallWindows::showSummary() {
    if (!frmSummary_) {
        frmSummary_ = new FrmSummary(controller_.grid(), controller_.locale(), window_);
        frmSummary_->onSelectTaskRow = [this](int row) {
            if (runner_.run([&] { controller_.selectTaskRow(row); })) showOrRaise(window_);
        };
        frmSummary_->onCopy = [this](const Summary& summary) {
            runner_.run([&] { controller_.copySummary(summary); });
        };
        frmSummary_->onExport = [this](const Summary& summary) {
            runner_.run([&] { controller_.exportSummary(summary); });
        };
        summaryGeneration_ = controller_.project().generation();
        offerDefaultRange();
    }
    frmSummary_->setProjectTitle(
        CoreMessages::translate(shownTitle(controller_.project().title())));
    showOrRaise(frmSummary_);
}

void SmallWindows::showWorkLog() {
    if (!frmWorkLog_) {
        frmWorkLog_ = new FrmWorkLog(controller_, runner_, window_);
        // Whoever listened before still hears; the window may go before the timer does.
        TaskTimer& timer = controller_.timer();
        QPointer<FrmWorkLog> window = frmWorkLog_;
        timer.onLogChanged = [window, before = std::move(timer.onLogChanged)] {
            if (before) before();
            if (window) window->logChanged();
        };
    }
    showOrRaise(frmWorkLog_);
}

void SmallWindows::offerDefaultRange() {
    const CivilDate today = controller_.todayDate();
    const QDate first(today.year, today.month, 1);
    frmSummary_->setDefaultRange(first, first.addMonths(1).addDays(-1));
}

void SmallWindows::showAbout() {
    createSimpleWindows();
    showOrRaise(frmAbout_);
}

void SmallWindows::changeFont() {
    if (!fontDialog1_) {
        // Made on first use: it reads the whole font database, which start-up need not wait for.
        fontDialog1_ = new QFontDialog(window_);
        fontDialog1_->setObjectName("FontDialog1");
        fontDialog1_->setOption(QFontDialog::DontUseNativeDialog);
    }
    fontDialog1_->setCurrentFont(fontDialogFont_);
    if (fontDialog1_->exec() != QDialog::Accepted) return;
    fontDialogFont_ = fontDialog1_->selectedFont();
    window_->setFont(withChoice(window_->font(), fontDialogFont_));
    cells_->setFont(withChoice(cells_->font(), fontDialogFont_));
}

void SmallWindows::tick() {
    if (frmWorkLog_) frmWorkLog_->tick();
}

void SmallWindows::refresh() {
    // A command may have started the stopwatch or emptied the table.
    tick();
    if (!frmSummary_) return;
    frmSummary_->setProjectTitle(
        CoreMessages::translate(shownTitle(controller_.project().title())));
    // The range was chosen for the project before: the next one starts without it.
    const int generation = controller_.project().generation();
    if (generation != summaryGeneration_) {
        summaryGeneration_ = generation;
        frmSummary_->clearRange();
        offerDefaultRange();
    }
}

}  // namespace quillet
