#include <algorithm>

#include "app/message.h"
#include "app/path_helpers.h"
#include "app/progress.h"
#include "app/settings_store.h"
#include "app/system_file.h"
#include "app/wait_cursor.h"
#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"
#include "recycle/recycle_bin.h"
#include "recycle/recycle_index.h"
#include "recycle/wait_cursor_scope.h"
#include "resources/ids.h"

namespace {

bool IsUndecided(const QString& path) {
    return path.isEmpty() || path.startsWith(QLatin1Char('*'));
}

// One archive (or old-version item) to its new place; the old copy goes only once the new
// one is complete, and a failed copy leaves nothing at the new place.
bool MoveItem(DeviceFs& fs, const QString& source, const QString& target, bool folder) {
    if (folder) {
        if (!CopyTree(fs, source, target).Complete()) {
            RemoveTree(fs, target);
            return false;
        }
        RemoveTree(fs, source);
        return true;
    }
    if (!fs.CopyFile(source, target)) {
        DeleteFileForce(fs, target);
        return false;
    }
    if (DeleteFileForce(fs, source)) return true;
    DeleteFileForce(fs, target);
    return false;
}

}  // namespace

bool RecycleBin::MakeBinPath(std::optional<int> newPosition, QString* path) {
    if (!newPosition && config_.position == 1 && CountStorageCards(fs_) == 0) config_.position = 0;
    const int chosen = newPosition.value_or(config_.position);
    if (chosen != 1) {
        *path = JoinPath(QStringLiteral("\\"), BinFolderName());
        return true;
    }
    QString card;
    if (GetStorageCardFolder(fs_, settings_, &card)) {
        *path = JoinPath(card, BinFolderName());
        return true;
    }
    *path = QLatin1Char('*') + BinFolderName();
    return false;
}

// Moving the bin:
//  1. compute the new folder; when that fails, or it cannot be made, the old location stays,
//  2. with move, copy each archive to a free name there and delete the old copy after,
//  3. write the index there (with what an index already there listed), then remove the old
//     index and the old folder when nothing else is left in it.
bool RecycleBin::SetBinLocation(int newPosition, bool move, Progress* progress) {
    ChangeScope scope(*this);
    const int oldPosition = config_.position;
    const QString oldPath = binPath_;
    config_.position = newPosition;
    if (!MakeBinPath(newPosition, &binPath_)) {
        config_.position = oldPosition;
        binPath_ = oldPath;
        return false;
    }
    if (!move || binPath_.compare(oldPath, Qt::CaseInsensitive) == 0) return true;
    WaitCursorScope wait;
    FindData record;
    const bool exists = PathExists(fs_, binPath_, &record);
    if ((exists && !record.IsFolder()) || (!exists && !CreateBinFolder(binPath_))) {
        config_.position = oldPosition;
        binPath_ = oldPath;
        return false;
    }
    return MoveBinContents(oldPath, progress);
}

bool RecycleBin::RelocateBin(int newPosition, const QString& previousCard, Progress* progress) {
    if (SetBinLocation(newPosition, true, progress)) return true;
    settings_.SetProfileTextById(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD, previousCard);
    return false;
}

bool RecycleBin::MoveBinContents(const QString& oldPath, Progress* progress) {
    // The sound entries of an index already lying in the new folder.
    QList<RecycleEntry> existing;
    if (const std::optional<QByteArray> data =
            ReadWholeFile(fs_, GetIndexPath(), kRecycleIndexMaxBytes)) {
        for (const RecycleEntry& entry : DecodeRecycleIndex(*data).entries) {
            if (IsSoundEntry(entry, binPath_)) existing.append(entry);
        }
    }
    ProgressTracker tracker(progress);
    tracker.SetTotals(MeasureTree(fs_, oldPath).bytes, quint64(entries_.size()));
    for (RecycleEntry& entry : entries_) {
        FindData record;
        if (!IsSameOrInside(entry.archivePath, oldPath) ||
            !PathExists(fs_, entry.archivePath, &record)) {
            continue;
        }
        // A cancel leaves the rest in the old folder, where their entries still find them.
        if (!tracker.Begin(entry.archivePath)) break;
        const QString target =
            MakeUniqueName(fs_, JoinPath(binPath_, FileNamePart(entry.archivePath)));
        if (MoveItem(fs_, entry.archivePath, target, record.IsFolder())) {
            entry.archivePath = target;
        }
        tracker.Done(record.size);
    }
    for (const RecycleEntry& entry : existing) {
        const bool listed = std::any_of(entries_.begin(), entries_.end(), [&](const auto& e) {
            return e.archivePath.compare(entry.archivePath, Qt::CaseInsensitive) == 0;
        });
        if (!listed) entries_.append(entry);
    }
    AdoptUnlistedArchives();
    dirty_ = true;
    const bool saved = SaveRecycleIndex();
    if (saved && !IsUndecided(oldPath)) {
        const QString oldIndex = JoinPath(oldPath, BinFolderName() + QStringLiteral(".bin"));
        DeleteFileForce(fs_, oldIndex);
        DeleteFileForce(fs_, JoinPath(oldPath, QLatin1String(kLockName)));
        fs_.RemoveDirectory(oldPath);
    }
    return true;
}

// The start-up check: a stored bin folder that has gone missing is rebuilt, unless its
// storage card was taken out.
void RecycleBin::CheckRecycleBin() {
    const QString stored = settings_.GetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_PATH);
    if (IsUndecided(stored) || PathExists(fs_, stored)) return;
    QString card;
    if (config_.position == 1 && !GetStorageCardFolder(fs_, settings_, &card)) {
        WaitCursorPause pause;
        ShowMessage(prompt_, IDS_STORAGE_CARD_REMOVED, IDS_APP_TITLE, MessageStyle::Exclamation);
        return;
    }
    {
        WaitCursorPause pause;
        ShowMessage(prompt_, IDS_RECYCLE_BIN_DAMAGED, IDS_APP_TITLE, MessageStyle::Exclamation);
    }
    if (!MakeBinPath(std::nullopt, &binPath_)) return;
    // A bin folder found at the computed place is another bin's: it is kept and read.
    if (!PathExists(fs_, binPath_)) CreateBinFolder(binPath_);
    LoadRecycleIndex();
}
