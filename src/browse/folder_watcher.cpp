#include "browse/folder_watcher.h"

#include <algorithm>

FolderWatcher::FolderWatcher(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &FolderWatcher::changed);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (!timer_.isActive()) timer_.start();
    });
}

int FolderWatcher::DelayMs(int rowCount) {
    return std::min(250 + rowCount / 20, 5000);
}

void FolderWatcher::Watch(const QString& hostPath, int rowCount) {
    timer_.stop();
    timer_.setInterval(DelayMs(rowCount));
    const QStringList watched = watcher_.directories();
    if (watched.size() == 1 && watched.first() == hostPath) return;
    if (!watched.isEmpty()) watcher_.removePaths(watched);
    if (!hostPath.isEmpty()) watcher_.addPath(hostPath);
}
