#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include "platform/device_fs.h"

class Progress;
class UserPrompt;

// One item of a copy or move: the source and where it goes (the destination folder and
// the source's name, or a new name).
struct TransferItem {
    QString source;
    QString destination;
};

enum class TransferOutcome {
    Done,
    Missing,     // the source is gone
    Declined,    // the replacement question was answered No or Cancel
    RomSource,   // files in ROM are not copied (message IDS_CANNOT_COPY_ROM_FILE, once per run)
    IntoItself,  // a folder into its own subtree (refused with a message)
    CopyFailed,  // the copy is incomplete; a moved source stays
    SourceKept,  // moved: the copy is complete, the source could not be removed
    NotReached,  // the run stopped before this item
};

struct TransferResult {
    QList<TransferOutcome> outcomes;  // one per item, in order
    QList<QString> destinations;      // where each item went (numbered for a copy in place)
    // What the copies left out (see TreeResult::leftOut), and the (source, target) pairs
    // that took a numbered name because a sibling differs from them only in letter case.
    QStringList leftOut;
    QList<QPair<QString, QString>> renamed;
    // Per item, why the device refused it (None when nothing failed).
    QList<DeviceError> causes;
    // The first of them, for a report of the whole run.
    DeviceError Cause() const;
};

// The paste rules over a list of items, in order: free space (message IDS_NOT_ENOUGH_SPACE ends the
// run after the item), the same place (a move shows message IDS_SAME_SOURCE_AND_DESTINATION titled
// 42 and ends the run, a copy takes a numbered name), a name another item of the run already took
// in other letter case (numbered, never replaced), the replacement question (Yes to all stops
// asking, Cancel ends the run after the item), ROM sources, then the copy and, for a move, the
// removal of a source whose copy is complete. The items are measured first, so that the progress
// sink hears the run's totals; a cancel through it stops the run after the current item.
TransferResult TransferItems(DeviceFs& fs, UserPrompt& prompt, const QList<TransferItem>& items,
                             bool move, Progress* progress = nullptr);
