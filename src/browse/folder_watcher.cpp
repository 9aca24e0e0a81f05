#include "browse/folder_watcher.h"

#include <algorithm>

FolderWatcher::FolderWatcher(QObject* parent) : QObject(parent) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &FolderWatcher::Report);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this,
            &FolderWatcher::OnDirectoryChanged);
}

int FolderWatcher::DelayMs(int entries) {
    return std::min(250 + entries / 20, 5000);
}

void FolderWatcher::Watch(const QList<Folder>& folders) {
    QHash<QString, Folder> wanted;
    for (const Folder& folder : folders) {
        if (folder.hostPath.isEmpty()) continue;
        Folder& kept = wanted[folder.hostPath];
        kept.hostPath = folder.hostPath;
        kept.devicePath = folder.devicePath;
        kept.entries = std::max(kept.entries, folder.entries);
    }
    // A folder keeps the largest size it was seen with, as it may be watched later through a
    // level that did not count its files.
    if (sizes_.size() > 4096) sizes_.clear();
    for (Folder& folder : wanted) {
        int& size = sizes_[folder.hostPath];
        folder.entries = size = std::max(size, folder.entries);
    }
    QStringList gone;
    for (auto it = folders_.cbegin(); it != folders_.cend(); ++it) {
        if (!wanted.contains(it.key())) gone.append(it.key());
    }
    if (!gone.isEmpty()) watcher_.removePaths(gone);
    QStringList added;
    for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) {
        if (!folders_.contains(it.key())) added.append(it.key());
    }
    // A changed device path under the same host folder is still reported under the new one.
    folders_ = wanted;
    if (!added.isEmpty()) watcher_.addPaths(added);
    for (auto it = pending_.begin(); it != pending_.end();) {
        it = folders_.contains(*it) ? std::next(it) : pending_.erase(it);
    }
    if (pending_.isEmpty()) timer_.stop();
}

void FolderWatcher::OnDirectoryChanged(const QString& hostPath) {
    const auto folder = folders_.constFind(hostPath);
    if (folder == folders_.cend()) return;
    pending_.insert(hostPath);
    // Counted from the first change; the largest folder waiting sets the pace, and later
    // changes never put the report off further (a busy folder is still shown).
    const int delay = DelayMs(folder->entries);
    if (!timer_.isActive()) {
        since_.start();
        wait_ = delay;
        timer_.start(delay);
    } else if (delay > wait_) {
        wait_ = delay;
        timer_.start(std::max<qint64>(0, delay - since_.elapsed()));
    }
}

void FolderWatcher::Report() {
    QStringList paths;
    for (const QString& hostPath : std::as_const(pending_))
        paths.append(folders_.value(hostPath).devicePath);
    pending_.clear();
    if (!paths.isEmpty()) emit changed(paths);
}
