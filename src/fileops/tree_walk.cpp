#include "fileops/tree_walk.h"

#include "app/path_helpers.h"
#include "fileops/tree_ops.h"
#include "platform/device_fs.h"

bool ForEachEntry(DeviceFs& fs, const QString& folder, bool* empty,
                  const std::function<bool(const FindData&)>& visit, bool foldersOnly,
                  QStringList* skipped) {
    FindData entry;
    auto handle = fs.FindFirst(JoinPath(folder, QStringLiteral("*.*")), entry, foldersOnly);
    if (empty) *empty = !handle;
    if (!handle) return fs.LastError() == DeviceError::NotFound;
    bool more = true;
    do {
        if (!visit(entry)) {
            more = false;
            break;
        }
    } while (handle->Next(entry));
    // Only a finished enumeration knows every name it passed over.
    if (skipped && more) {
        for (const QString& name : handle->Skipped())
            skipped->append(JoinPath(folder, name));
    }
    return true;
}

bool WalkTopDown(DeviceFs& fs, const QString& top,
                 const std::function<bool(const WalkFolder&)>& onFolder) {
    std::vector<QString> level{top};
    std::vector<FindData> files;
    std::vector<QString> subfolders;
    QStringList skipped;
    for (int depth = 0; !level.empty(); ++depth) {
        std::vector<QString> next;
        for (const QString& folder : level) {
            files.clear();
            subfolders.clear();
            skipped.clear();
            bool empty = false;
            bool readable = ForEachEntry(
                fs, folder, &empty,
                [&](const FindData& entry) {
                    if (IsWalkedFolder(entry)) {
                        subfolders.push_back(entry.name);
                        next.push_back(JoinPath(folder, entry.name));
                    } else if (!entry.IsFolder()) {
                        files.push_back(entry);
                    }
                    return true;
                },
                false, &skipped);
            if (!onFolder(WalkFolder{folder, depth, readable, empty, files, subfolders, skipped})) {
                return false;
            }
        }
        level = std::move(next);
    }
    return true;
}

FolderLevels DiscoverFolders(DeviceFs& fs, const QString& top, TreeMeasure* measure) {
    FolderLevels levels{{top}};
    while (true) {
        std::vector<QString> next;
        for (const QString& folder : levels.back()) {
            ForEachEntry(
                fs, folder, nullptr,
                [&](const FindData& entry) {
                    if (IsWalkedFolder(entry)) {
                        next.push_back(JoinPath(folder, entry.name));
                    } else if (measure && !entry.IsFolder()) {
                        ++measure->files;
                        measure->bytes += entry.size;
                    }
                    return true;
                },
                measure == nullptr);
        }
        if (next.empty()) break;
        levels.push_back(std::move(next));
    }
    return levels;
}
