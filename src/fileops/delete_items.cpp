#include "fileops/delete_items.h"

#include <optional>

#include "app/device_error_text.h"
#include "app/message.h"
#include "app/path_helpers.h"
#include "app/progress.h"
#include "app/user_prompt.h"
#include "fileops/tree_ops.h"
#include "platform/device_fs.h"
#include "recycle/recycle_bin.h"
#include "resources/ids.h"

namespace {

struct Run {
    bool recycle = false;
    ConfirmAnswer answer = ConfirmAnswer::Yes;
    ConfirmAnswer readOnlyAnswer = ConfirmAnswer::Yes;
    bool romMessageDue = true;
};

quint64 ItemsSize(DeviceFs& fs, const QStringList& paths) {
    quint64 total = 0;
    for (const QString& path : paths) {
        FindData record;
        if (!PathExists(fs, path, &record)) continue;
        total += record.IsFolder() ? MeasureTree(fs, path).bytes : record.size;
    }
    return total;
}

// The bin check before anything is deleted; false ends the run.
bool PrepareBin(DeviceFs& fs, UserPrompt& prompt, const QStringList& paths,
                const DeleteOptions& options, Run& run) {
    run.recycle = options.bin && (options.bin->settings().enabled || options.binOnly);
    if (!run.recycle) return true;
    const QString binPath = options.bin->binPath();
    if (binPath.startsWith(QLatin1Char('*')) || !PathExists(fs, binPath)) {
        ShowMessage(prompt, IDS_RECYCLE_BIN_NOT_FOUND, IDS_APP_TITLE, MessageStyle::Exclamation);
        return false;
    }
    if (ItemsSize(fs, paths) <= options.bin->GetRoomLeft()) return true;
    if (!options.binOnly && ShowMessage(prompt, IDS_TOO_LARGE_FOR_RECYCLE_BIN, IDS_APP_TITLE,
                                        MessageStyle::YesNoQuestion) == MessageAnswer::Yes) {
        run.recycle = false;
        return true;
    }
    ShowMessage(prompt, IDS_ENLARGE_RECYCLE_BIN, IDS_APP_TITLE, MessageStyle::Information);
    return false;
}

// The item question; false skips the item (No) or ends the run (Cancel).
bool AskForItem(UserPrompt& prompt, const QString& path, bool folder, const DeleteOptions& options,
                Run& run) {
    switch (options.ask) {
        case DeleteOptions::Ask::Nothing:
            return true;
        case DeleteOptions::Ask::FolderByMessage:
            run.answer = ShowFilledMessage(prompt, IDS_CONFIRM_DELETE_FOLDER,
                                           FormatStr(IDS_CONFIRM_DELETE_FOLDER, path),
                                           MessageStyle::YesNoQuestion) == MessageAnswer::Yes
                             ? ConfirmAnswer::Yes
                             : ConfirmAnswer::No;
            return run.answer == ConfirmAnswer::Yes;
        case DeleteOptions::Ask::EachItem:
            break;
    }
    if (run.answer == ConfirmAnswer::YesToAll) return true;
    const int textId = folder ? IDS_CONFIRM_DELETE_FOLDER : IDS_CONFIRM_DELETE_FILE;
    ConfirmRequest request;
    request.templateId = IDD_CONFIRM;
    request.textId = textId;
    request.text = FormatStr(textId, FileNamePart(path));
    run.answer = prompt.Confirm(request);
    return run.answer == ConfirmAnswer::Yes || run.answer == ConfirmAnswer::YesToAll;
}

DeleteOutcome DeleteOne(DeviceFs& fs, UserPrompt& prompt, const QString& path,
                        const DeleteOptions& options, Progress* progress, Run& run,
                        DeviceError* cause) {
    FindData record;
    if (!PathExists(fs, path, &record)) return DeleteOutcome::Done;
    if (RecycleBin::IsProtectedItem(fs, path, options.bin ? options.bin->binPath() : QString())) {
        ShowFilledMessage(prompt, IDS_CANNOT_DELETE_PROTECTED,
                          FormatStr(IDS_CANNOT_DELETE_PROTECTED, path), MessageStyle::Exclamation);
        return DeleteOutcome::Refused;
    }
    if (!AskForItem(prompt, path, record.IsFolder(), options, run)) {
        return run.answer == ConfirmAnswer::Cancel ? DeleteOutcome::NotReached
                                                   : DeleteOutcome::Declined;
    }
    const QString name = FileNamePart(path);
    bool clearedReadOnly = false;
    if (!record.IsFolder()) {
        if (IsRomFile(record.attributes)) {
            if (run.romMessageDue) {
                run.romMessageDue = false;
                ShowFilledMessage(prompt, IDS_CANNOT_DELETE_ROM_FILE,
                                  FormatStr(IDS_CANNOT_DELETE_ROM_FILE, name),
                                  MessageStyle::Exclamation);
            }
            return DeleteOutcome::RomFile;
        }
        if (record.attributes & Attr::kReadOnly) {
            if (run.readOnlyAnswer != ConfirmAnswer::YesToAll) {
                ConfirmRequest request;
                request.templateId = IDD_CONFIRM;
                request.textId = IDS_CONFIRM_DELETE_READ_ONLY;
                request.text = FormatStr(IDS_CONFIRM_DELETE_READ_ONLY, name);
                run.readOnlyAnswer = prompt.Confirm(request);
            }
            if (run.readOnlyAnswer != ConfirmAnswer::Yes &&
                run.readOnlyAnswer != ConfirmAnswer::YesToAll) {
                return DeleteOutcome::Declined;
            }
            clearedReadOnly = fs.SetAttributes(path, record.attributes ^ Attr::kReadOnly);
        }
    }
    QStringList left;
    if (run.recycle) {
        const bool put = options.bin->MoveToRecycleBin(path, progress, &left).has_value();
        *cause = options.bin->LastPutCause();
        if (put && PathExists(fs, path)) {
            QString text = FormatStr(IDS_RECYCLE_PARTIAL, path);
            text.replace(text.lastIndexOf(QLatin1String("%s")), 2, left.join(QLatin1Char('\n')));
            ShowFilledMessage(prompt, IDS_RECYCLE_PARTIAL, WithCause(text, *cause),
                              MessageStyle::Exclamation);
            return DeleteOutcome::Partial;
        }
    } else if (record.IsFolder()) {
        *cause = RemoveTree(fs, path, progress).cause;
    } else if (!fs.DeleteFile(path)) {
        *cause = fs.LastError();
    }
    if (!PathExists(fs, path)) return DeleteOutcome::Done;
    // A file that stays keeps the protection it had.
    if (clearedReadOnly) fs.SetAttributes(path, record.attributes);
    return DeleteOutcome::Failed;
}

}  // namespace

// Deleting named items:
//  1. take the bin's lock for the whole run (the index is read again when another process
//     changed it, and saved once at the end),
//  2. check the bin and its room (messages IDS_RECYCLE_BIN_NOT_FOUND,
//  IDS_TOO_LARGE_FOR_RECYCLE_BIN, IDS_ENLARGE_RECYCLE_BIN),
//  3. per item: refuse volumes and bin folders, ask, then put it into the bin or delete it;
//     a folder that only partly went is reported with what stayed and why.
QList<DeleteOutcome> DeleteItems(DeviceFs& fs, UserPrompt& prompt, const QStringList& paths,
                                 const DeleteOptions& options, Progress* progress,
                                 QList<DeviceError>* causes) {
    QList<DeleteOutcome> outcomes;
    Run run;
    ItemProgress items(progress);
    std::optional<RecycleBin::ChangeScope> binLock;
    if (options.bin) binLock.emplace(*options.bin);
    bool go = PrepareBin(fs, prompt, paths, options, run);
    for (const QString& path : paths) {
        go = go && run.answer != ConfirmAnswer::Cancel && items.BeginItem(path);
        DeviceError cause = DeviceError::None;
        outcomes.append(go ? DeleteOne(fs, prompt, path, options, items.sink(), run, &cause)
                           : DeleteOutcome::NotReached);
        // Only what stayed has a cause to tell.
        const DeleteOutcome last = outcomes.last();
        if (causes) {
            causes->append(last == DeleteOutcome::Failed || last == DeleteOutcome::Partial
                               ? cause
                               : DeviceError::None);
        }
    }
    return outcomes;
}
