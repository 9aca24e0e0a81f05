#include "app/clock.h"
#include "app/path_helpers.h"
#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"
#include "recycle/recycle_archive_pack.h"
#include "recycle/recycle_bin.h"
#include "recycle/wait_cursor_scope.h"

namespace {

// Deletes the packed item. True when anything of it went: what stays behind of a folder (a
// ROM file, a dot-folder, a file that refused) is in the archive too and is kept whole.
bool RemoveOriginal(DeviceFs& fs, const QString& path, bool folder) {
    if (!folder) return DeleteFileForce(fs, path);
    const TreeMeasure before = MeasureTree(fs, path);
    RemoveTree(fs, path);
    if (!PathExists(fs, path)) return true;
    const TreeMeasure after = MeasureTree(fs, path);
    return after.files != before.files || after.folders != before.folders;
}

}  // namespace

// Putting an item into the bin:
//  1. find the item; read the bin's index first when that has not happened yet,
//  2. pack it into a free archive name, "<name>.nzc", "<name>(2).nzc", ..., written as
//     "<name>.nzc.part" and renamed when complete; a pack that is not complete (a failed
//     write, a cancel) leaves the item untouched and no archive,
//  3. delete the item; when nothing of it could be deleted, the archive goes instead,
//  4. record the entry with the local time of deletion.
std::optional<RecycleEntry> RecycleBin::MoveToRecycleBin(const QString& path, Progress* sink) {
    QString item = path;
    FindData record;
    if (!PathExists(fs_, item, &record)) return std::nullopt;
    // The bin cannot swallow itself, nor a folder around it.
    if (binPath.isEmpty() || binPath.startsWith(QLatin1Char('*')) ||
        IsSameOrInside(item, binPath) || IsSameOrInside(binPath, item)) {
        return std::nullopt;
    }
    if (!binReady && PathExists(fs_, binPath)) LoadRecycleIndex();

    WaitCursorScope wait;
    const QString archivePath =
        MakeUniqueName(fs_, JoinPath(binPath, FileNamePart(item) + QStringLiteral(".nzc")));
    const QString unfinished = archivePath + QLatin1String(kUnfinishedSuffix);
    const PackResult pack = PackIntoArchive(fs_, item, unfinished, sink);
    if (!pack.packed) return std::nullopt;
    if (!fs_.MoveFile(unfinished, archivePath)) {
        DeleteFileForce(fs_, unfinished);
        return std::nullopt;
    }
    if (!RemoveOriginal(fs_, item, pack.isFolder)) {
        DeleteFileForce(fs_, archivePath);
        return std::nullopt;
    }

    RecycleEntry entry;
    entry.archivePath = archivePath;
    entry.originalPath = item;
    entry.deleteTime = LocalTimeRecord::FromDateTime(clock_.LocalNow());
    entry.size = pack.isFolder ? pack.bytes : record.size;
    entry.attributes = pack.attributes;
    entries.append(entry);
    dirty = true;
    return entry;
}
