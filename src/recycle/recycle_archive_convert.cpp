#include "recycle/recycle_archive_convert.h"

#include "app/message.h"
#include "app/path_helpers.h"
#include "app/progress.h"
#include "app/wait_cursor.h"
#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "platform/device_fs.h"
#include "recycle/recycle_archive.h"
#include "recycle/recycle_archive_pack.h"
#include "resources/ids.h"

namespace {

// Turns cancel answers into a flag the conversion loop can see.
class CancelWatch : public Progress {
public:
    explicit CancelWatch(Progress* sink) : sink_(sink) {}
    bool Update(const ProgressState& state) override {
        if (!cancelled_ && sink_ && !sink_->Update(state)) cancelled_ = true;
        return !cancelled_;
    }
    bool Cancelled() const { return cancelled_; }

private:
    Progress* sink_;
    bool cancelled_ = false;
};

}  // namespace

bool PackOldFolder(DeviceFs& fs, RecycleArchive& archive, const QString& oldFolder,
                   const QString& originalFolder, Progress* progress) {
    if (!archive.IsOpen()) return false;
    archive.SetEntryRoot(oldFolder, originalFolder);
    const TreeResult walk = CopyTree(fs, oldFolder, oldFolder, &archive, progress);
    archive.SetEntryRoot(QString(), QString());
    return walk.Complete();
}

QString CompressOldBinItem(DeviceFs& fs, const QString& itemPath, const QString& originalPath,
                           Progress* progress) {
    FindData record;
    if (!PathExists(fs, itemPath, &record)) return QString();
    // A name already taken may be another item of the same bin: never overwrite it.
    const QString archivePath = MakeUniqueName(fs, itemPath + QStringLiteral(".nzc"));
    const PackResult pack = PackIntoArchive(fs, itemPath, archivePath, progress, originalPath);
    if (!pack.packed) return QString();
    if (pack.isFolder) {
        RemoveTree(fs, itemPath);
    } else if (!DeleteFileForce(fs, itemPath)) {
        // Keep one copy: the entry goes on naming the unpacked file.
        DeleteFileForce(fs, archivePath);
        return QString();
    }
    return archivePath;
}

int CompressRecycleBin(DeviceFs& fs, UserPrompt& prompt, QList<OldBinItem>& items,
                       Progress* progress) {
    if (items.isEmpty()) return 0;
    ShowMessage(prompt, IDS_COMPRESS_RECYCLE_BIN, IDS_APP_TITLE, MessageStyle::Information);
    BeginWaitCursor();
    CancelWatch watch(progress);
    int converted = 0;
    for (OldBinItem& item : items) {
        if (watch.Cancelled()) break;
        if (item.itemPath.isEmpty() || item.originalPath.isEmpty()) continue;
        item.archivePath = CompressOldBinItem(fs, item.itemPath, item.originalPath, &watch);
        if (!item.archivePath.isEmpty()) ++converted;
    }
    EndWaitCursor();
    return converted;
}
