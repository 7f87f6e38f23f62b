#include "shell/ProjectFileWatcher.h"

#include <QFile>
#include <QFileSystemWatcher>

namespace quillet {

ProjectFileWatcher::ProjectFileWatcher(std::function<void()> changed, QObject* parent)
    : QObject(parent), watcher_(new QFileSystemWatcher(this)) {
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this, changed = std::move(changed)] {
        watcher_->removePaths(watcher_->files());
        changed();
    });
}

void ProjectFileWatcher::watch(const std::string& path) {
    const QString name = QFile::decodeName(path.c_str());
    const QStringList watched = watcher_->files();
    if (watched.size() == 1 && watched.front() == name) return;
    if (!watched.isEmpty()) watcher_->removePaths(watched);
    if (!name.isEmpty() && QFile::exists(name)) watcher_->addPath(name);
}

}  // namespace quillet
