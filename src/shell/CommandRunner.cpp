#include "shell/CommandRunner.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <optional>

#include "app/MainController.h"

namespace quillet {

CommandRunner::CommandRunner(MainController& controller, QWidget* window)
    : QObject(window), controller_(controller), window_(window) {}

bool CommandRunner::run(const std::function<void()>& command) {
    return run(command, nullptr);
}

bool CommandRunner::run(const std::function<void()>& command, std::string* error) {
    if (busy_) return false;
    busy_ = true;
    std::optional<Message> failure;
    try {
        command();
    } catch (const std::exception& e) {
        failure = messageOf(e);
    } catch (...) {
        failure = Message(QUILLET_TR("CoreMessages", "An unexpected error occurred."));
    }
    const bool ok = !failure;
    if (failure && error)
        *error = failure->english();  // a reply to another program, in English
    else if (failure)
        controller_.showError(*failure);
    busy_ = false;
    if (progress_) {
        // Gone at once, with its timer: a dialog left for a deferred deletion is shown by
        // that timer when several commands run before the event loop turns (a test
        // script), and a window showing after the main window closed keeps the program
        // running. Nothing below this frame refers to it.
        delete progress_;
        progress_ = nullptr;
    }
    if (refresh) refresh();
    return ok;
}

void CommandRunner::showProgress(int percent) {
    if (!progress_) {
        progress_ = new QProgressDialog(
            QCoreApplication::translate("quillet::Form1", "Working on the project file..."),
            QString(), 0, 100, window_);
        progress_->setObjectName("ProgressDialog");
        progress_->setWindowModality(Qt::WindowModal);
        progress_->setMinimumDuration(500);
        progress_->setAutoClose(false);
        progress_->setAutoReset(false);
        progress_->setValue(0);
    }
    progress_->setValue(percent);
}

}  // namespace quillet
