#include "recycle/recycle_archive_convert.h"
#include "recycle/recycle_bin.h"

// Converting an old-version bin: every unpacked item becomes an archive with its entries named
// after the original paths (message 121 first); an item that cannot be converted stays
// unpacked, which the restore still handles. The index is then written in the current form.
bool RecycleBin::CompressRecycleBin(Progress* progress) {
    if (!entries.isEmpty()) {
        QList<OldBinItem> items;
        items.reserve(entries.size());
        for (const RecycleEntry& entry : entries) {
            items.append({entry.archivePath, entry.originalPath, QString()});
        }
        ::CompressRecycleBin(fs_, prompt_, items, progress);
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (!items[i].archivePath.isEmpty()) entries[i].archivePath = items[i].archivePath;
        }
    }
    dirty = true;
    SaveRecycleIndex();
    indexIsCurrent = true;
    return true;
}
