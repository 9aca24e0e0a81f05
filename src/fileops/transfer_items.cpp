#include "fileops/transfer_items.h"

#include <QSet>

#include "app/message.h"
#include "app/path_helpers.h"
#include "app/progress.h"
#include "app/user_prompt.h"
#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"
#include "resources/ids.h"

namespace {

struct Run {
    ConfirmAnswer lastAnswer = ConfirmAnswer::Yes;
    bool romMessageDue = true;
    bool undeletableMessageDue = true;
    bool stop = false;
    QSet<QString> written;  // case-folded destinations of this run's items
};

// An item's size and file count, for the space check and the progress totals.
struct ItemSize {
    quint64 bytes = 0;
    quint64 files = 0;
};

ItemSize MeasureItem(DeviceFs& fs, const QString& path) {
    FindData record;
    if (!PathExists(fs, path, &record)) return {};
    if (!record.IsFolder()) return {record.size, 1};
    const TreeMeasure measure = MeasureTree(fs, path);
    return {measure.bytes, measure.files};
}

bool AskToReplace(UserPrompt& prompt, const QString& destination, const QString& source,
                  bool folder, Run& run) {
    if (run.lastAnswer == ConfirmAnswer::YesToAll) return true;
    ConfirmRequest request;
    const QString name = FileNamePart(destination);
    if (folder) {
        request.templateId = IDD_CONFIRM;
        request.textId = IDS_CONFIRM_REPLACE_FOLDER;
        request.text = FormatStr(IDS_CONFIRM_REPLACE_FOLDER, name);
        request.titleId = IDS_REPLACE_FOLDER_TITLE;
        request.allButtonId = IDS_REPLACE_ALL;
    } else {
        request.templateId = IDD_CONFIRM_REPLACE;
        request.textId = IDS_FILE_EXISTS;
        request.text = FormatStr(IDS_FILE_EXISTS, name);
        request.existingPath = destination;
        request.newPath = source;
    }
    run.lastAnswer = prompt.Confirm(request);
    if (run.lastAnswer == ConfirmAnswer::Cancel) run.stop = true;
    return run.lastAnswer == ConfirmAnswer::Yes || run.lastAnswer == ConfirmAnswer::YesToAll;
}

// Removes a moved source; a file that will not go is cleared of read-only and tried again.
// The removal does not report: the run's totals count each item once, when it is copied.
bool RemoveSource(DeviceFs& fs, UserPrompt& prompt, const QString& source, bool folder,
                  Run& run, DeviceError* cause) {
    if (folder) {
        *cause = RemoveTree(fs, source).cause;
        return !PathExists(fs, source);
    }
    if (fs.DeleteFile(source)) return true;
    const DeviceError refused = fs.LastError();
    const std::optional<quint32> attributes = fs.GetAttributes(source);
    if (attributes && IsRomFile(*attributes)) {
        *cause = refused;
        if (run.undeletableMessageDue) {
            run.undeletableMessageDue = false;
            ShowFilledMessage(prompt, IDS_CANNOT_DELETE_ROM_FILE,
                              FormatStr(IDS_CANNOT_DELETE_ROM_FILE, FileNamePart(source)),
                              MessageStyle::Exclamation);
        }
        return false;
    }
    if (DeleteFileForce(fs, source)) return true;
    *cause = fs.LastError();
    return false;
}

TransferOutcome TransferOne(DeviceFs& fs, UserPrompt& prompt, const QString& source,
                            QString& destination, bool move, quint64 size, Progress* progress,
                            Run& run, TransferResult& result, DeviceError* cause) {
    FindData record;
    if (!PathExists(fs, source, &record)) return TransferOutcome::Missing;
    const bool folder = record.IsFolder();

    if (size > GetFreeSpace(fs, FolderPart(destination))) {
        ShowMessage(prompt, IDS_NOT_ENOUGH_SPACE, IDS_APP_TITLE, MessageStyle::Exclamation);
        run.stop = true;
        return TransferOutcome::NotReached;
    }
    // The device ignores case, so "a.txt" and "A.TXT" in one folder are the same file: a
    // replacement would copy it onto itself and a move would then delete it.
    if (source.compare(destination, Qt::CaseInsensitive) == 0) {
        if (move) {
            ShowMessage(prompt, IDS_SAME_SOURCE_AND_DESTINATION, IDS_MOVE_FAILED, MessageStyle::Stop);
            run.stop = true;
            return TransferOutcome::NotReached;
        }
        destination = MakeUniqueName(fs, source);
    } else if (run.written.contains(destination.toCaseFolded())) {
        // Another item of this run went there under a name that differs only in case.
        const QString numbered = MakeUniqueName(fs, destination, &run.written);
        result.renamed.append({source, numbered});
        destination = numbered;
    }
    // Removing the source would take its own copy with it, and a copy would chase itself.
    if (folder && IsSameOrInside(destination, source)) {
        ShowFilledMessage(prompt, IDS_CANNOT_MOVE_INTO_ITSELF,
                          FormatStr(IDS_CANNOT_MOVE_INTO_ITSELF, FileNamePart(source)),
                          MessageStyle::Exclamation);
        return TransferOutcome::IntoItself;
    }

    FindData existing;
    const bool replacing = PathExists(fs, destination, &existing);
    if (replacing && !AskToReplace(prompt, destination, source, existing.IsFolder(), run)) {
        return TransferOutcome::Declined;
    }
    if (IsRomFile(record.attributes)) {
        if (run.romMessageDue) {
            run.romMessageDue = false;
            ShowFilledMessage(prompt, IDS_CANNOT_COPY_ROM_FILE,
                              FormatStr(IDS_CANNOT_COPY_ROM_FILE, source), MessageStyle::Exclamation);
        }
        return TransferOutcome::RomSource;
    }

    run.written.insert(destination.toCaseFolded());
    bool copied = false;
    if (folder) {
        TreeResult tree = CopyTree(fs, source, destination, nullptr, progress);
        copied = tree.Complete();
        *cause = tree.cause;
        result.leftOut += tree.leftOut;
        result.renamed += tree.renamed;
    } else {
        ProgressTracker tracker(progress);
        tracker.Begin(source);
        copied = fs.CopyFile(source, destination);
        if (!copied) *cause = fs.LastError();
        tracker.Done(record.size);
    }
    if (!copied) return TransferOutcome::CopyFailed;
    if (move && !RemoveSource(fs, prompt, source, folder, run, cause)) {
        return TransferOutcome::SourceKept;
    }
    return TransferOutcome::Done;
}

}  // namespace

TransferResult TransferItems(DeviceFs& fs, UserPrompt& prompt, const QList<TransferItem>& items,
                             bool move, Progress* progress) {
    TransferResult result;
    Run run;
    ItemProgress watch(progress);
    QList<ItemSize> sizes;
    ItemSize total;
    for (const TransferItem& item : items) {
        sizes.append(MeasureItem(fs, item.source));
        total.bytes += sizes.last().bytes;
        total.files += sizes.last().files;
    }
    watch.SetTotals(total.bytes, total.files);
    for (qsizetype i = 0; i < items.size(); ++i) {
        const TransferItem& item = items[i];
        QString destination = item.destination;
        TransferOutcome outcome = TransferOutcome::NotReached;
        DeviceError cause = DeviceError::None;
        if (!run.stop && watch.BeginItem(item.source)) {
            outcome = TransferOne(fs, prompt, item.source, destination, move, sizes[i].bytes,
                                  watch.sink(), run, result, &cause);
        }
        result.outcomes.append(outcome);
        result.causes.append(cause);
        result.destinations.append(destination);
    }
    return result;
}

DeviceError TransferResult::Cause() const {
    for (DeviceError cause : causes) {
        if (cause != DeviceError::None) return cause;
    }
    return DeviceError::None;
}
