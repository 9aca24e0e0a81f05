#include <algorithm>

#include "app/device_error_text.h"
#include "app/load_str.h"
#include "app/message.h"
#include "app/path_helpers.h"
#include "app/user_prompt.h"
#include "app/wait_cursor.h"
#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "platform/device_fs.h"
#include "recycle/recycle_archive_extract.h"
#include "recycle/recycle_bin.h"
#include "recycle/wait_cursor_scope.h"
#include "resources/ids.h"

struct RecycleBin::RestoreRun {
    ConfirmAnswer lastAnswer = ConfirmAnswer::Yes;
    bool systemErrorShown = false;  // message IDS_RESTORE_SYSTEM_ERROR
    bool noSpaceShown = false;      // message IDS_RESTORE_NO_SPACE
    QStringList renamed;            // "entry path -> path written" of case-only clashes
    DeviceError cause = DeviceError::None;  // why the device refused the current row
};

namespace {

// The rows that name entries, ascending, each once.
QList<int> ValidRows(QList<int> rows, qsizetype count) {
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [count](int row) { return row < 0 || row >= count; }),
               rows.end());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void ShowOnce(UserPrompt& prompt, bool* shown, int textId, MessageStyle style,
              DeviceError cause = DeviceError::None) {
    if (*shown) return;
    *shown = true;
    WaitCursorPause pause;
    ShowFilledMessage(prompt, textId, WithCause(LoadStr(textId), cause), style);
}

}  // namespace

QList<RecycleEntry> RecycleBin::ChosenEntries(const QList<int>& rows) const {
    QList<RecycleEntry> chosen;
    for (int row : ValidRows(rows, entries_.size()))
        chosen.append(entries_[row]);
    return chosen;
}

// The rows of the chosen entries in the list as it is now (another process may have changed
// it), ascending.
QList<int> RecycleBin::CurrentRows(const QList<RecycleEntry>& chosen) const {
    QList<int> rows;
    for (int row = 0; row < entries_.size(); ++row) {
        for (const RecycleEntry& entry : chosen) {
            if (entry.archivePath.compare(entries_[row].archivePath, Qt::CaseInsensitive) == 0) {
                rows.append(row);
                break;
            }
        }
    }
    return rows;
}

// Restoring the selected rows under the bin's lock, from the last to the first so that
// dropping one keeps the places of those still to come:
//  1. find the chosen entries in the index as it is now,
//  2. ask when the original exists (Yes, No, Yes to all, Cancel),
//  3. recreate the target folder (message IDS_RESTORE_SYSTEM_ERROR) and check the free space
//  (message IDS_RESTORE_NO_SPACE),
//  4. unpack the archive, writing only inside the entry's own item (anything else makes it
//     damaged); an old-version item is copied back as it is,
//  5. delete the archive and drop the entry; a row not brought back whole keeps both,
//  6. report the items renamed because their names differed from others only in case.
void RecycleBin::RestoreFromBin(const QList<int>& rows, const RestoreObserver& observer,
                                Progress* progress) {
    WaitCursorScope wait;
    RestoreRun run;
    const QList<RecycleEntry> chosen = ChosenEntries(rows);
    ChangeScope scope(*this);
    const QList<int> order = CurrentRows(chosen);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const RecycleEntry entry = entries_[*it];
        const bool existedBefore = PathExists(fs_, entry.originalPath);
        const RowResult result = RestoreRow(entry, run, progress);
        if (result == RowResult::Stop) break;
        if (result == RowResult::Skipped) continue;
        if (result != RowResult::Dropped && observer.restored &&
            PathExists(fs_, entry.originalPath)) {
            observer.restored(entry.originalPath, existedBefore);
        }
        if (result != RowResult::Kept) DropRow(*it, observer);
    }
    dirty_ = true;
    if (!run.renamed.isEmpty()) {
        WaitCursorPause pause;
        ShowFilledMessage(
            prompt_, IDS_RESTORED_UNDER_NEW_NAME,
            FormatStr(IDS_RESTORED_UNDER_NEW_NAME, run.renamed.join(QLatin1Char('\n'))),
            MessageStyle::Information);
    }
}

RecycleBin::RowResult RecycleBin::RestoreRow(const RecycleEntry& entry, RestoreRun& run,
                                             Progress* progress) {
    if (run.lastAnswer == ConfirmAnswer::Cancel) return RowResult::Stop;
    if (PathExists(fs_, entry.originalPath) && run.lastAnswer != ConfirmAnswer::YesToAll &&
        !AskToReplace(entry, run)) {
        return run.lastAnswer == ConfirmAnswer::Cancel ? RowResult::Stop : RowResult::Skipped;
    }
    const QString folder = FolderPart(entry.originalPath);
    FindData record;
    const bool exists = PathExists(fs_, folder, &record);
    if (exists ? !record.IsFolder() : !MakePath(fs_, folder)) {
        ShowOnce(prompt_, &run.systemErrorShown, IDS_RESTORE_SYSTEM_ERROR, MessageStyle::Stop,
                 exists ? DeviceError::None : fs_.LastError());
        return RowResult::Skipped;
    }
    if (entry.size > GetFreeSpace(fs_, entry.originalPath)) {
        ShowOnce(prompt_, &run.noSpaceShown, IDS_RESTORE_NO_SPACE, MessageStyle::Exclamation);
        return RowResult::Skipped;
    }
    if (!PathExists(fs_, entry.archivePath)) return RowResult::Dropped;
    run.cause = DeviceError::None;
    if (!BringBack(entry, run, progress)) {
        if (run.lastAnswer == ConfirmAnswer::Cancel) return RowResult::Stop;
        // What the device refused is told, once per kind, with why.
        if (run.cause == DeviceError::DiskFull) {
            ShowOnce(prompt_, &run.noSpaceShown, IDS_RESTORE_NO_SPACE, MessageStyle::Exclamation,
                     run.cause);
        } else if (run.cause != DeviceError::None) {
            ShowOnce(prompt_, &run.systemErrorShown, IDS_RESTORE_SYSTEM_ERROR, MessageStyle::Stop,
                     run.cause);
        }
        return RowResult::Skipped;
    }
    return RemoveBinItem(entry) ? RowResult::Restored : RowResult::Kept;
}

// Answers Yes or Yes to all with true; any answer but No ends the run.
bool RecycleBin::AskToReplace(const RecycleEntry& entry, RestoreRun& run) {
    const QString name = FileNamePart(entry.originalPath);
    ConfirmRequest request;
    if (entry.IsFolder()) {
        request.templateId = IDD_CONFIRM;
        request.textId = IDS_CONFIRM_REPLACE_FOLDER;
        request.titleId = IDS_REPLACE_FOLDER_TITLE;
        request.allButtonId = IDS_REPLACE_ALL;
    } else {
        request.templateId = IDD_CONFIRM_REPLACE;
        request.textId = IDS_FILE_EXISTS;
        request.existingPath = entry.originalPath;
        request.newPath = entry.archivePath;
    }
    request.text = FormatStr(request.textId, name);
    ConfirmAnswer answer = ConfirmAnswer::Cancel;
    {
        WaitCursorPause pause;
        answer = prompt_.Confirm(request);
    }
    run.lastAnswer = answer;
    return answer == ConfirmAnswer::Yes || answer == ConfirmAnswer::YesToAll;
}

// True when everything of the item is back. A cancel by the user ends the run.
bool RecycleBin::BringBack(const RecycleEntry& entry, RestoreRun& run, Progress* progress) {
    FindData record;
    if (!PathExists(fs_, entry.archivePath, &record)) return false;
    if (entry.plain && record.IsFolder()) {
        // An old-version folder, unpacked in the bin.
        const TreeResult copy =
            CopyTree(fs_, entry.archivePath, entry.originalPath, nullptr, progress);
        if (copy.cancelled) run.lastAnswer = ConfirmAnswer::Cancel;
        run.cause = copy.cause;
        return copy.Complete();
    }
    // An old-version file is the deleted file itself, whatever it holds.
    if (entry.plain) return CopyBack(entry, run);
    ExtractResult result;
    result.code = kArchiveOutsideItem;  // a folder where an archive should be
    if (!record.IsFolder()) {
        result =
            ExtractArchive(fs_, entry.archivePath, progress, entry.originalPath, entry.IsFolder());
    }
    for (const auto& [from, to] : result.renamed)
        run.renamed.append(from + QStringLiteral(" -> ") + to);
    if (result.cancelled) {
        run.lastAnswer = ConfirmAnswer::Cancel;
        return false;
    }
    // No zip file: an item an earlier version could not convert, the deleted file itself.
    if (result.NotAnArchive()) return CopyBack(entry, run);
    run.cause = result.cause;
    if (result.code == kArchiveOutsideItem) {
        WaitCursorPause pause;
        ShowFilledMessage(prompt_, IDS_RECYCLE_ARCHIVE_DAMAGED,
                          FormatStr(IDS_RECYCLE_ARCHIVE_DAMAGED, entry.originalPath),
                          MessageStyle::Stop);
    }
    return result.Complete();
}

// Erasing: each selected row's archive goes for good, from the last row to the first.
void RecycleBin::EraseFromBin(const QList<int>& rows, const RestoreObserver& observer) {
    WaitCursorScope wait;
    const QList<RecycleEntry> chosen = ChosenEntries(rows);
    ChangeScope scope(*this);
    const QList<int> order = CurrentRows(chosen);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (RemoveBinItem(entries_[*it])) DropRow(*it, observer);
    }
    dirty_ = true;
}

bool RecycleBin::CopyBack(const RecycleEntry& entry, RestoreRun& run) {
    if (fs_.CopyFile(entry.archivePath, entry.originalPath)) return true;
    run.cause = fs_.LastError();
    return false;
}
