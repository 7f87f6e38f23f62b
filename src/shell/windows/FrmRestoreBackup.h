#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "recovery/Backups.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace quillet {

inline constexpr const char* kBackupsNeedASavedFile =
    "Backups belong to saved project files: save this project first.";
inline constexpr const char* kNoBackupsYet = "No backups of this file yet.";

// The modal window "Restore Backup": the kept versions of the project's file, newest first,
// with the time of the save that replaced each, its size and its tasks. Without versions a
// note says why, and Open stays off.
class FrmRestoreBackup : public QDialog {
    Q_OBJECT

  public:
    explicit FrmRestoreBackup(QWidget* parent = nullptr);

    // Lists `versions` (newest first) of a saved project's file; an untitled project has none.
    void setVersions(const std::vector<BackupListing>& versions, bool untitled);

    // Open with the chosen version; false when it was not opened (an error was shown), and the
    // window stays open.
    std::function<bool(const std::string& backupPath)> onOpen;
    std::function<void()> onShowFolder;

  private:
    void openChosen();
    void updateButtons();

    QTreeWidget* lstBackups_ = nullptr;
    QLabel* lblNote_ = nullptr;
    QPushButton* btnOpen_ = nullptr;
    QPushButton* btnShowFolder_ = nullptr;
    QPushButton* btnClose_ = nullptr;
    std::vector<std::string> paths_;  // by row
};

}  // namespace quillet
