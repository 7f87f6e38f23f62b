#pragma once

#include <QObject>
#include <functional>
#include <string>

class QFileSystemWatcher;

namespace quillet {

// Watches the project's file, so a change by another program is noticed at once.
class ProjectFileWatcher : public QObject {
  public:
    ProjectFileWatcher(std::function<void()> changed, QObject* parent);

    // The file to watch from now on; none when empty or missing. A replaced file is a new
    // one: after a change, the next call watches it again.
    void watch(const std::string& path);

  private:
    QFileSystemWatcher* watcher_;
};

}  // namespace quillet
