#include "app/clock.h"
#include "app/load_str.h"
#include "app/path_helpers.h"
#include "app/progress.h"
#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"
#include "recycle/recycle_archive_pack.h"
#include "recycle/recycle_bin.h"
#include "recycle/run_beside.h"
#include "recycle/wait_cursor_scope.h"
#include "resources/ids.h"

namespace {

constexpr int kMaxLeftLines = 20;

// Why an item that stayed could not be removed, as far as its attributes tell.
QString LeftReason(quint32 attributes) {
    if (IsRomFile(attributes)) return LoadStr(IDS_LEFT_ROM_FILE);
    if (attributes & Attr::kReadOnly) return LoadStr(IDS_LEFT_READ_ONLY);
    return LoadStr(IDS_LEFT_NOT_REMOVABLE);
}

// What stays of a folder after its removal: the files, and the folders that hold nothing.
void ListLeft(DeviceFs& fs, const QString& folder, QStringList* left) {
    QList<FindData> found;
    FindData record;
    auto handle = fs.FindFirst(JoinPath(folder, QStringLiteral("*")), record);
    for (bool more = handle != nullptr; more; more = handle->Next(record))
        found.append(record);
    handle.reset();
    if (found.isEmpty() && left->size() < kMaxLeftLines) {
        left->append(folder + QStringLiteral(" (") + LoadStr(IDS_LEFT_NOT_REMOVABLE) +
                     QLatin1Char(')'));
    }
    for (const FindData& item : found) {
        if (left->size() >= kMaxLeftLines) return;
        const QString path = JoinPath(folder, item.name);
        if (item.IsFolder()) {
            ListLeft(fs, path, left);
        } else {
            left->append(path + QStringLiteral(" (") + LeftReason(item.attributes) +
                         QLatin1Char(')'));
        }
    }
}

// Keeps the window alive during the removal; the archive is made, so it is not cancelled.
class KeepAlive : public Progress {
public:
    explicit KeepAlive(Progress* sink) : sink_(sink) {}
    bool Update(const ProgressState& state) override {
        if (sink_) sink_->Update(state);
        return true;
    }

private:
    Progress* sink_;
};

// Deletes the packed item. True when anything of it went: what stays behind of a folder (a
// ROM file, a dot-folder, a file that refused) is in the archive too and is kept whole.
// A large file's space is given back when its last handle closes, which can take a good part
// of a second: a handle is held across the deletion and closed beside the caller.
bool RemoveOriginal(DeviceFs& fs, const QString& path, bool folder, quint64 size,
                    QStringList* left, Progress* sink, DeviceError* cause) {
    KeepAlive alive(sink);
    if (!folder) {
        std::unique_ptr<DeviceFile> held = fs.Open(path, OpenMode::Read);
        const bool deleted = DeleteFileForce(fs, path);
        if (!deleted) *cause = fs.LastError();
        ProgressState done;
        done.doneBytes = done.totalBytes = size;
        done.doneFiles = done.totalFiles = 1;
        done.currentPath = path;
        RunBeside(
            [&held] {
                held.reset();
                return true;
            },
            [&] { alive.Update(done); });
        return deleted;
    }
    const TreeMeasure before = MeasureTree(fs, path);
    *cause = RemoveTree(fs, path, sink ? &alive : nullptr).cause;
    if (!PathExists(fs, path)) return true;
    const TreeMeasure after = MeasureTree(fs, path);
    const bool some = after.files != before.files || after.folders != before.folders;
    if (some && left) ListLeft(fs, path, left);
    return some;
}

}  // namespace

// Putting an item into the bin:
//  1. refuse the root, a card, the bin folder and folders around it; find the item,
//  2. under the bin's lock (the index read again when another process changed it), pack it
//     into a free archive name, "<name>.nzc", "<name>(2).nzc", ..., through a temporary file
//     unique to this writer that is renamed when complete; a pack that is not complete (a
//     failed write, a cancel) leaves the item untouched and no archive,
//  3. delete the item; when nothing of it could be deleted, the archive goes instead, and
//     what stays of a folder is listed for the caller to report,
//  4. record the entry with the local time of deletion; the index is saved as the lock goes.
std::optional<RecycleEntry> RecycleBin::MoveToRecycleBin(const QString& path, Progress* sink,
                                                         QStringList* left) {
    putCause_ = DeviceError::None;
    QString item = path;
    FindData record;
    if (binPath_.isEmpty() || binPath_.startsWith(QLatin1Char('*')) ||
        IsProtectedItem(fs_, item, binPath_) || IsSameOrInside(item, binPath_) ||
        !PathExists(fs_, item, &record)) {
        return std::nullopt;
    }
    ChangeScope scope(*this);
    if (!binReady_ && PathExists(fs_, binPath_)) ReadIndex();

    WaitCursorScope wait;
    const QString archivePath =
        MakeUniqueName(fs_, JoinPath(binPath_, FileNamePart(item) + QStringLiteral(".nzc")));
    const PackResult pack = PackIntoArchive(fs_, item, archivePath, sink);
    putCause_ = pack.cause;
    if (!pack.packed) return std::nullopt;
    if (!RemoveOriginal(fs_, item, pack.isFolder, record.size, left, sink, &putCause_)) {
        DeleteFileForce(fs_, archivePath);
        return std::nullopt;
    }

    RecycleEntry entry;
    entry.archivePath = archivePath;
    entry.originalPath = item;
    entry.deleteTime = LocalTimeRecord::FromDateTime(clock_.LocalNow());
    entry.size = pack.isFolder ? pack.bytes : record.size;
    entry.attributes = pack.attributes;
    entries_.append(entry);
    dirty_ = true;
    return entry;
}
