#include "recycle/recycle_archive_pack.h"

#include "app/path_helpers.h"
#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"
#include "recycle/recycle_archive.h"
#include "recycle/recycle_archive_progress.h"

// Putting an item into an archive:
//  1. find the item and measure it for the progress totals,
//  2. open the archive as a temporary file of its folder, unique to this writer,
//  3. pack the file, or walk the folder with CopyTree in archive mode,
//  4. close it; anything short of a complete, cancel-free walk removes it,
//  5. rename it to the archive path (never over an existing file), then mark it hidden.
PackResult PackIntoArchive(DeviceFs& fs, const QString& item, const QString& archivePath,
                           Progress* progress, const QString& entryPath) {
    PackResult result;
    FindData record;
    // An archive inside the tree it packs would swallow itself.
    if (IsSameOrInside(archivePath, item) || !PathExists(fs, item, &record)) return result;
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
    if (!archive.OpenTempArchive(FolderPart(archivePath))) {
        result.cause = archive.Cause();
        return result;
    }
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
        result.cause = archive.Cause();
        archive.AbandonArchive();
        return result;
    }
    result.files = archive.PackedFiles();
    result.bytes = archive.PackedBytes();
    if (!archive.CloseArchive()) {
        result.cause = archive.Cause();
        return result;
    }
    const QString temp = archive.TempPath();
    const std::unique_ptr<DeviceFile> live = archive.TakeTempFile();
    if (!fs.MoveFile(temp, archivePath)) {
        result.cause = fs.LastError();
        DeleteFileForce(fs, temp);
        return result;
    }
    // Where the medium cannot store the mark, the archive works without it.
    if (const std::optional<quint32> attributes = fs.GetAttributes(archivePath)) {
        fs.SetAttributes(archivePath, *attributes | Attr::kHidden);
    }
    result.packed = true;
    return result;
}
