#pragma once

#include <QObject>
#include <functional>
#include <string>

class QProgressDialog;
class QWidget;

namespace quillet {

class MainController;

// The general error handler: every command from a menu, a window, a timer or another process
// runs through it. It refuses a command while another runs (a long load pumps events), shows
// a failure's message once, keeps the progress dialog of a long command and brings the window
// up to date afterwards.
class CommandRunner : public QObject {
    Q_OBJECT

  public:
    // `window` parents the progress dialog.
    CommandRunner(MainController& controller, QWidget* window);

    // False when the command failed or was refused.
    bool run(const std::function<void()>& command);
    // With error given, a failure's message goes there instead of into a box.
    bool run(const std::function<void()>& command, std::string* error);
    bool busy() const { return busy_; }

    // Brings the window up to date after each command.
    std::function<void()> refresh;

    // Long loads and saves report progress: shown after half a second in a modal dialog,
    // which also keeps the window painting and blocks other commands.
    void showProgress(int percent);

  private:
    MainController& controller_;
    QWidget* window_;
    QProgressDialog* progress_ = nullptr;
    bool busy_ = false;
};

}  // namespace quillet
