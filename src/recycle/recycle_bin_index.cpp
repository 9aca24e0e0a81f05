#include <QSet>
#include <algorithm>

#include "app/path_helpers.h"
#include "app/system_file.h"
#include "fileops/file_names.h"
#include "platform/device_fs.h"
#include "platform/file_time.h"
#include "recycle/recycle_archive_entries.h"
#include "recycle/recycle_archive_item.h"
#include "recycle/recycle_bin.h"
#include "recycle/recycle_index.h"
#include "recycle/wait_cursor_scope.h"

QString RecycleBin::GetIndexPath() const {
    return JoinPath(binPath, BinFolderName() + QStringLiteral(".bin"));
}

// Reading the index:
//  1. a fresh list; without a bin folder that is all,
//  2. the records whose archives still exist, in the file's order (none when there is no
//     index file or it cannot be read),
//  3. the archives of the bin folder that no record lists (a crash came between packing and
//     writing the index), rebuilt from their entries; archives a crash left unfinished go.
void RecycleBin::LoadRecycleIndex() {
    ClearRecycleList();
    if (!PathExists(fs_, binPath)) return;
    binReady = true;
    const std::optional<QByteArray> data =
        ReadWholeFile(fs_, GetIndexPath(), kRecycleIndexMaxBytes);
    RemoveUnfinishedArchives();
    if (!data) {
        AdoptUnlistedArchives();
        return;
    }
    const RecycleIndexContent content = DecodeRecycleIndex(*data);
    if (content.version != RecycleIndexContent::Version::Unknown) {
        indexIsCurrent = content.version == RecycleIndexContent::Version::Current;
    }
    for (const RecycleEntry& entry : content.entries) {
        if (PathExists(fs_, entry.archivePath)) entries.append(entry);
    }
    AdoptUnlistedArchives();
}

void RecycleBin::RemoveUnfinishedArchives() {
    QStringList unfinished;
    FindData record;
    auto handle = fs_.FindFirst(
        JoinPath(binPath, QLatin1Char('*') + QLatin1String(kUnfinishedSuffix)), record);
    for (bool more = handle != nullptr; more; more = handle->Next(record)) {
        if (!record.IsFolder()) unfinished.append(JoinPath(binPath, record.name));
    }
    handle.reset();
    for (const QString& path : unfinished)
        DeleteFileForce(fs_, path);
}

void RecycleBin::AdoptUnlistedArchives() {
    QSet<QString> listed;
    for (const RecycleEntry& entry : entries)
        listed.insert(entry.archivePath.toCaseFolded());
    QList<FindData> found;
    FindData record;
    auto handle = fs_.FindFirst(JoinPath(binPath, QStringLiteral("*.nzc")), record);
    for (bool more = handle != nullptr; more; more = handle->Next(record)) {
        if (!record.IsFolder()) found.append(record);
    }
    std::sort(found.begin(), found.end(),
              [](const FindData& a, const FindData& b) { return a.name < b.name; });
    for (const FindData& archive : found) {
        const QString path = JoinPath(binPath, archive.name);
        if (listed.contains(path.toCaseFolded())) continue;
        const ArchiveListing listing = ReadArchiveEntries(fs_, path);
        if (!listing.Ok()) continue;  // no zip file, or a half-written one
        const std::optional<ArchivedItem> item = InferArchivedItem(listing, path);
        if (!item) continue;
        RecycleEntry entry;
        entry.archivePath = path;
        entry.originalPath = item->originalPath;
        entry.deleteTime = LocalTimeRecord::FromDateTime(
            DateTimeFromFileTime(archive.lastWriteTime).toLocalTime());
        entry.size = item->size;
        entry.attributes = item->attributes;
        entries.append(entry);
        dirty = true;
    }
}

bool RecycleBin::SaveRecycleIndex() {
    if (binPath.isEmpty() || binPath.startsWith(QLatin1Char('*'))) return false;
    const std::optional<QByteArray> data = EncodeRecycleIndex(entries);
    if (!data || !ReplaceWholeFile(fs_, GetIndexPath(), *data)) return false;
    dirty = false;
    binReady = true;
    return true;
}

void RecycleBin::FlushRecycleIndex(bool force) {
    if (!force && position != 1) return;
    if (!dirty) return;
    WaitCursorScope wait;
    SaveRecycleIndex();
}
