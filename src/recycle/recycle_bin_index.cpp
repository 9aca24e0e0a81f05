#include <QSet>
#include <algorithm>

#include "app/path_helpers.h"
#include "app/system_file.h"
#include "fileops/file_names.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"
#include "platform/file_time.h"
#include "recycle/recycle_archive_entries.h"
#include "recycle/recycle_archive_item.h"
#include "recycle/recycle_bin.h"
#include "recycle/recycle_index.h"
#include "recycle/wait_cursor_scope.h"

namespace {

// The size of an archived item from its entries, where the index's 32 bits cannot hold it.
quint64 ArchivedSize(DeviceFs& fs, const QString& archivePath, quint64 stored) {
    const ArchiveListing listing = ReadArchiveEntries(fs, archivePath);
    if (!listing.Ok()) return stored;
    quint64 total = 0;
    for (const ArchiveEntry& entry : listing.entries) {
        if (!entry.isFolder) total += entry.size;
    }
    return std::max(total, stored);
}

}  // namespace

QString RecycleBin::GetIndexPath() const {
    return JoinPath(binPath_, BinFolderName() + QStringLiteral(".bin"));
}

bool RecycleBin::IsSoundEntry(const RecycleEntry& entry, const QString& folder) {
    // The archive: a file (an old-version item: a file or folder) directly in the bin folder,
    // never the index, the lock or another of our own files.
    QStringList parts;
    if (!SplitDevicePath(entry.archivePath, &parts) || parts.isEmpty() ||
        FolderPart(entry.archivePath).compare(folder, Qt::CaseInsensitive) != 0 ||
        parts.last().startsWith(QLatin1String(".nuvio-")) ||
        parts.last().compare(BinFolderName() + QStringLiteral(".bin"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    FindData record;
    if (!PathExists(fs_, entry.archivePath, &record) || (record.IsFolder() && !entry.plain)) {
        return false;
    }
    // The original: an item a bin may hold, never a volume, a bin or what holds one.
    return !IsProtectedItem(fs_, entry.originalPath, folder) &&
           !IsSameOrInside(entry.originalPath, folder);
}

void RecycleBin::LoadRecycleIndex() {
    ChangeScope scope(*this, false);
    ReadIndex();
}

// Reading the index (under the bin's lock):
//  1. a fresh list; without a bin folder that is all,
//  2. the sound records whose archives still exist, in the file's order (none when there is
//     no index file or it cannot be read); sizes past 32 bits from the archives,
//  3. leftovers of earlier versions' unfinished packs that no record lists,
//  4. the archives of the bin folder that no record lists (a crash came between packing and
//     writing the index), rebuilt from their entries.
void RecycleBin::ReadIndex() {
    ClearRecycleList();
    ++generation_;
    stamp_ = IndexStamp();
    if (!PathExists(fs_, binPath_)) return;
    binReady_ = true;
    stamp_ = ReadStamp();
    const std::optional<QByteArray> data =
        ReadWholeFile(fs_, GetIndexPath(), kRecycleIndexMaxBytes);
    RecycleIndexContent content;
    if (data) content = DecodeRecycleIndex(*data);
    if (content.version != RecycleIndexContent::Version::Unknown) {
        indexIsCurrent_ = content.version == RecycleIndexContent::Version::Current;
    }
    for (RecycleEntry& entry : content.entries) {
        if (!IsSoundEntry(entry, binPath_)) continue;
        if (entry.plain) indexIsCurrent_ = false;
        if (!entry.plain && entry.size >= 0xffffffffu) {
            entry.size = ArchivedSize(fs_, entry.archivePath, entry.size);
        }
        entries_.append(entry);
    }
    // Only with the whole list known: an unreadable index may list what looks left over.
    const bool wholeList =
        data ? content.version != RecycleIndexContent::Version::Unknown && content.complete
             : !stamp_.exists;
    if (wholeList) RemoveUnfinishedArchives();
    AdoptUnlistedArchives();
}

void RecycleBin::RemoveUnfinishedArchives() {
    QSet<QString> listed;
    for (const RecycleEntry& entry : entries_)
        listed.insert(entry.archivePath.toCaseFolded());
    QStringList unfinished;
    FindData record;
    auto handle = fs_.FindFirst(
        JoinPath(binPath_, QLatin1Char('*') + QLatin1String(kUnfinishedSuffix)), record);
    for (bool more = handle != nullptr; more; more = handle->Next(record)) {
        const QString path = JoinPath(binPath_, record.name);
        if (!record.IsFolder() && !listed.contains(path.toCaseFolded())) unfinished.append(path);
    }
    handle.reset();
    for (const QString& path : unfinished)
        DeleteFileForce(fs_, path);
}

void RecycleBin::AdoptUnlistedArchives() {
    QSet<QString> listed;
    for (const RecycleEntry& entry : entries_)
        listed.insert(entry.archivePath.toCaseFolded());
    QList<FindData> found;
    FindData record;
    auto handle = fs_.FindFirst(JoinPath(binPath_, QStringLiteral("*.nzc")), record);
    for (bool more = handle != nullptr; more; more = handle->Next(record)) {
        if (!record.IsFolder()) found.append(record);
    }
    std::sort(found.begin(), found.end(),
              [](const FindData& a, const FindData& b) { return a.name < b.name; });
    for (const FindData& archive : found) {
        const QString path = JoinPath(binPath_, archive.name);
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
        if (!IsSoundEntry(entry, binPath_)) continue;
        entries_.append(entry);
        dirty_ = true;
    }
}

bool RecycleBin::SaveRecycleIndex() {
    if (binPath_.isEmpty() || binPath_.startsWith(QLatin1Char('*'))) return false;
    const std::optional<QByteArray> data = EncodeRecycleIndex(entries_);
    if (!data || !ReplaceWholeFile(fs_, GetIndexPath(), *data)) return false;
    stamp_ = ReadStamp();
    dirty_ = false;
    binReady_ = true;
    return true;
}

void RecycleBin::FlushRecycleIndex(bool force) {
    if (!force && config_.position != 1) return;
    if (!dirty_) return;
    WaitCursorScope wait;
    SaveRecycleIndex();
}
