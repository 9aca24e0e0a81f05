#include "recycle/recycle_archive_convert.h"
#include "recycle/recycle_bin.h"

// Converting an old-version bin under its lock: every item still unpacked becomes an archive
// with its entries named after the original paths (message IDS_COMPRESS_RECYCLE_BIN first); an item
// that cannot be converted stays unpacked and marked so, which the restore still handles. The index
// is then written in the current form.
bool RecycleBin::CompressRecycleBin(Progress* progress) {
    ChangeScope scope(*this);
    QList<OldBinItem> items;
    QList<int> rows;
    for (int row = 0; row < entries_.size(); ++row) {
        if (!entries_[row].plain) continue;
        items.append({entries_[row].archivePath, entries_[row].originalPath, QString()});
        rows.append(row);
    }
    ::CompressRecycleBin(fs_, prompt_, items, progress);
    for (qsizetype i = 0; i < items.size(); ++i) {
        RecycleEntry& entry = entries_[rows[i]];
        if (items[i].archivePath.isEmpty()) continue;
        entry.archivePath = items[i].archivePath;
        entry.plain = false;
    }
    dirty_ = true;
    SaveRecycleIndex();
    indexIsCurrent_ = true;  // what stays unpacked is tried again at the next start
    return true;
}
