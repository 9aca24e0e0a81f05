#include "recycle/recycle_archive_pack.h"

#include "app/path_helpers.h"
#include "fileops/tree_ops.h"
#include "platform/device_fs.h"
#include "recycle/recycle_archive.h"
#include "recycle/recycle_archive_progress.h"

// Putting an item into an archive:
//  1. find the item and measure it for the progress totals,
//  2. open the archive,
//  3. pack the file, or walk the folder with CopyTree in archive mode,
//  4. close the archive; anything short of a complete, cancel-free walk removes it.
PackResult PackIntoArchive(DeviceFs& fs, const QString& item, const QString& archivePath,
                           Progress* progress, const QString& entryPath) {
    PackResult result;
    FindData record;
    if (!PathExists(fs, item, &record)) return result;
    result.isFolder = record.IsFolder();
    result.attributes = record.attributes;

    ArchiveProgress relay(progress);
    if (result.isFolder) {
        const TreeMeasure measure = MeasureTree(fs, item);
        relay.SetTotals(measure.bytes, measure.files);
    } else {
        relay.SetTotals(record.size, 1);
    }

    RecycleArchive archive(fs);
    if (!archive.OpenArchive(archivePath)) return result;
    archive.SetPieceObserver([&relay](quint64 bytes) { return relay.Partial(bytes); });
    if (!entryPath.isEmpty()) archive.SetEntryRoot(item, entryPath);

    bool complete = false;
    if (result.isFolder) {
        const TreeResult walk = CopyTree(fs, item, item, &archive, &relay);
        complete = walk.Complete();
    } else if (relay.Begin(item)) {
        complete = archive.AddToArchive(item, entryPath);
        relay.Done(record.size);
    }
    result.cancelled = relay.Cancelled();
    if (!complete || result.cancelled) {
        archive.AbandonArchive();
        return result;
    }
    result.files = archive.PackedFiles();
    result.bytes = archive.PackedBytes();
    result.packed = archive.CloseArchive();
    return result;
}
