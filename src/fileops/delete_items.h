#pragma once

#include <QList>
#include <QString>

#include "platform/device_fs.h"

class Progress;
class RecycleBin;
class UserPrompt;

enum class DeleteOutcome {
    Done,
    RomFile,     // never deleted (message IDS_CANNOT_DELETE_ROM_FILE, once per run)
    Declined,    // answered No, or a read-only file whose question was not answered Yes
    Failed,      // still there afterwards
    Refused,     // the root, a storage card or a bin folder: never touched (message
                 // IDS_CANNOT_DELETE_PROTECTED)
    Partial,     // into the bin whole, but some of it stayed (message IDS_RECYCLE_PARTIAL says what
                 // and why)
    NotReached,  // the run ended before the item (no bin, no room, Cancel or cancelled)
};

struct DeleteOptions {
    // Null: deleted for good. Otherwise into this bin while it is enabled.
    RecycleBin* bin = nullptr;
    // Into the bin even when it is turned off, and never for good: an item too large for
    // the bin ends the run with message IDS_ENLARGE_RECYCLE_BIN instead of the question
    // IDS_TOO_LARGE_FOR_RECYCLE_BIN.
    bool binOnly = false;
    // The question before each item: none (the caller asked), question IDS_CONFIRM_DELETE_FILE or
    // IDS_CONFIRM_DELETE_FOLDER per item (Yes to all stops asking, Cancel ends the run), or, for
    // the folder of the tree, one message box IDS_CONFIRM_DELETE_FOLDER with the full path.
    enum class Ask { Nothing, EachItem, FolderByMessage };
    Ask ask = Ask::Nothing;
};

// The delete command's rules over named items: the root, a card and the bin folder are
// refused before anything is touched; the bin must exist (message IDS_RECYCLE_BIN_NOT_FOUND) and
// have room for all of them (question IDS_TOO_LARGE_FOR_RECYCLE_BIN: Yes deletes for good, No shows
// message IDS_ENLARGE_RECYCLE_BIN); ROM files stay; a read-only file is deleted only when question
// IDS_CONFIRM_DELETE_READ_ONLY is answered Yes (Yes to all stops asking). Folders go whole. A
// cancel through the progress sink stops the run after the current item. The bin's lock is held for
// the whole run; its index is saved at the end.
// causes, when given, hears per item why the device refused it (None when it did not).
QList<DeleteOutcome> DeleteItems(DeviceFs& fs, UserPrompt& prompt, const QStringList& paths,
                                 const DeleteOptions& options, Progress* progress = nullptr,
                                 QList<DeviceError>* causes = nullptr);
