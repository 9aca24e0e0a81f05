#include "fileops/tree_walk.h"

#include "app/path_helpers.h"
#include "platform/device_fs.h"

bool ForEachEntry(DeviceFs& fs, const QString& folder, bool* empty,
                  const std::function<bool(const FindData&)>& visit, bool foldersOnly) {
    FindData entry;
    auto handle = fs.FindFirst(JoinPath(folder, QStringLiteral("*.*")), entry, foldersOnly);
    if (empty) *empty = !handle;
    if (!handle) return fs.LastError() == DeviceError::NotFound;
    do {
        if (!visit(entry)) break;
    } while (handle->Next(entry));
    return true;
}

bool WalkTopDown(DeviceFs& fs, const QString& top,
                 const std::function<bool(const WalkFolder&)>& onFolder) {
    std::vector<QString> level{top};
    std::vector<FindData> files;
    for (int depth = 0; !level.empty(); ++depth) {
        std::vector<QString> next;
        for (const QString& folder : level) {
            files.clear();
            bool empty = false;
            bool readable = ForEachEntry(fs, folder, &empty, [&](const FindData& entry) {
                if (IsWalkedFolder(entry)) {
                    next.push_back(JoinPath(folder, entry.name));
                } else if (!entry.IsFolder()) {
                    files.push_back(entry);
                }
                return true;
            });
            if (!onFolder(WalkFolder{folder, depth, readable, empty, files})) return false;
        }
        level = std::move(next);
    }
    return true;
}

FolderLevels DiscoverFolders(DeviceFs& fs, const QString& top) {
    FolderLevels levels{{top}};
    while (true) {
        std::vector<QString> next;
        for (const QString& folder : levels.back()) {
            ForEachEntry(
                fs, folder, nullptr,
                [&](const FindData& entry) {
                    if (IsWalkedFolder(entry)) next.push_back(JoinPath(folder, entry.name));
                    return true;
                },
                true);
        }
        if (next.empty()) break;
        levels.push_back(std::move(next));
    }
    return levels;
}
