#include "recycle/recycle_archive_extract.h"

#include <libdeflate.h>
#include <minizip/unzip.h>
#include <sys/stat.h>
#include <zlib.h>

#include <QHash>
#include <QSet>
#include <algorithm>
#include <vector>

#include "app/path_helpers.h"
#include "fileops/file_names.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"
#include "recycle/copy_read_back.h"
#include "recycle/recycle_archive.h"
#include "recycle/recycle_archive_progress.h"
#include "recycle/zip_device_io.h"
#include "recycle/zip_dos_date.h"
#include "recycle/zip_entry_reader.h"

namespace {

// Data is read and written in pieces of this size; an entry up to kWholeEntry bytes is
// inflated in one go.
constexpr qint64 kRestoreBuffer = 256 << 10;
constexpr quint64 kWholeEntry = 8 << 20;
// A stored entry from this size on is copied by the kernel.
constexpr quint64 kKernelCopy = 4 << 20;

// The bits a new file gets where its entry stored none: what the process would create.
quint32 DefaultFileMode() {
    static const quint32 mode = [] {
        const mode_t mask = umask(0);
        umask(mask);
        return quint32(0666 & ~mask);
    }();
    return mode;
}

struct MadeFolder {
    QString path;
    quint32 dosDate;
    quint32 attributes;
    quint32 mode;
};

class Extractor {
public:
    Extractor(DeviceFs& fs, unzFile zip, const QString& archivePath, bool withoutFolders,
              const QString& destination, ArchiveProgress& progress, ExtractResult& result)
        : fs_(fs),
          zip_(zip),
          archivePath_(archivePath),
          withoutFolders_(withoutFolders),
          destination_(destination),
          progress_(progress),
          result_(result),
          buffer_(kRestoreBuffer),
          packed_(kRestoreBuffer) {}
    ~Extractor() {
        if (inflater_) libdeflate_free_decompressor(inflater_);
    }

    bool Entry(const ArchiveEntry& entry);
    // Flushes the volumes of the files written.
    bool SyncWritten();
    void FinishFolders();

private:
    bool Refused(DeviceError cause) {
        if (result_.cause == DeviceError::None) result_.cause = cause;
        return false;
    }
    QString Target(const ArchiveEntry& entry) const;
    QString AvoidCaseClash(const QString& target, bool isFolder);
    void Folder(const QString& target, const ArchiveEntry& entry);
    bool File(const QString& target, const ArchiveEntry& entry);
    bool CopyEntry(DeviceFile& out, const QString& temp, const ArchiveEntry& entry,
                   quint64* written);
    bool CopyStored(DeviceFile& out, const QString& temp, const ArchiveEntry& entry,
                    quint64* written);
    bool CopyWhole(DeviceFile& out, const ArchiveEntry& entry, quint64* written);
    bool ReadPacked(char* data, qint64 count);
    bool Written(DeviceFile& out, const char* data, qint64 count, quint64* written);
    bool Commit(const QString& temp, const QString& target, bool targetExisted);

    DeviceFs& fs_;
    unzFile zip_;
    QString archivePath_;
    bool withoutFolders_;
    QString destination_;
    ArchiveProgress& progress_;
    ExtractResult& result_;
    QStringList written_;
    std::vector<char> buffer_;
    std::vector<char> packed_;
    std::unique_ptr<DeviceFile> archive_;  // the entries' data is read through it directly
    libdeflate_decompressor* inflater_ = nullptr;
    // Folders known to be there, and those this run made, by case-folded path: a file in a
    // folder this run made finds no file of its name there, unless this run wrote one.
    QSet<QString> folders_;
    QSet<QString> madeHere_;
    QSet<QString> writtenHere_;
    std::vector<MadeFolder> madeFolders_;
    // Paths made by this run, by case-folded path; and renamed folders, in the order made.
    QHash<QString, QString> made_;
    QList<std::pair<QString, QString>> folderRenames_;
    // Folders this run made for a file before their own entry came, by case-folded path.
    QSet<QString> madeForFiles_;
};

QString Extractor::Target(const ArchiveEntry& entry) const {
    QString target;
    if (withoutFolders_) {
        if (destination_.isEmpty()) return QString();
        target = JoinPath(destination_, FileNamePart(entry.path));
    } else {
        target = destination_.isEmpty() ? entry.path : JoinPath(destination_, entry.path.mid(1));
    }
    QStringList parts;
    if (!SplitDevicePath(target, &parts) || parts.isEmpty()) return QString();
    return target;
}

bool Extractor::Entry(const ArchiveEntry& entry) {
    if (entry.path.isEmpty()) {
        ++result_.refused;
        return true;
    }
    if (entry.isFolder && withoutFolders_) return true;
    QString target = Target(entry);
    if (target.isEmpty()) {
        ++result_.refused;
        return true;
    }
    target = AvoidCaseClash(target, entry.isFolder);
    if (entry.isFolder) {
        Folder(target, entry);
        return true;
    }
    if (!progress_.Begin(target)) {
        result_.cancelled = true;
        return false;
    }
    if (File(target, entry)) {
        ++result_.files;
    } else {
        ++result_.failed;
    }
    if (!progress_.Done(entry.size) || progress_.Cancelled()) {
        result_.cancelled = true;
        return false;
    }
    return true;
}

// The host tells names apart by letter case, the device does not: a path that differs from
// one made earlier in this run only in case would land on it. Its first differing component
// gets a free numbered name instead, and so do later entries below it.
QString Extractor::AvoidCaseClash(const QString& target, bool isFolder) {
    QString path = target;
    for (const auto& [from, to] : folderRenames_) {
        if (path == from || path.startsWith(from + QLatin1Char('\\'))) {
            path = to + path.mid(from.size());
        }
    }
    qsizetype at = 0;
    while (at >= 0) {
        at = path.indexOf(QLatin1Char('\\'), at + 1);
        const QString prefix = at < 0 ? path : path.left(at);
        const QString key = prefix.toCaseFolded();
        const auto found = made_.constFind(key);
        if (found == made_.constEnd()) {
            made_.insert(key, prefix);
            continue;
        }
        if (*found == prefix) continue;
        const QString unique = MakeUniqueName(fs_, prefix);
        made_.insert(unique.toCaseFolded(), unique);
        result_.renamed.append({prefix, unique});
        if (at >= 0 || isFolder) folderRenames_.append({prefix, unique});
        path = unique + (at < 0 ? QString() : path.mid(at));
        if (at >= 0) at = unique.size();
    }
    return path;
}

void Extractor::Folder(const QString& target, const ArchiveEntry& entry) {
    FindData existing;
    if (PathExists(fs_, target, &existing)) {
        // An existing folder keeps its own attributes and times, unless this run made it.
        existing.IsFolder() ? ++result_.folders : ++result_.failed;
        if (existing.IsFolder() && madeForFiles_.contains(target.toCaseFolded())) {
            madeFolders_.push_back({target, entry.dosDate,
                                    entry.attributes & kRestorableAttributes, entry.mode});
        }
        return;
    }
    for (QString missing = target; !missing.isEmpty() && !PathExists(fs_, missing);
         missing = FolderPart(missing)) {
        madeHere_.insert(missing.toCaseFolded());
    }
    if (!CreateDirTree(fs_, target)) {
        Refused(fs_.LastError());
        ++result_.failed;
        return;
    }
    folders_.insert(target.toCaseFolded());
    ++result_.folders;
    // Set at the end: files written into it later would change its time, and a read-only
    // folder could refuse them.
    madeFolders_.push_back(
        {target, entry.dosDate, entry.attributes & kRestorableAttributes, entry.mode});
}

void Extractor::FinishFolders() {
    for (auto it = madeFolders_.rbegin(); it != madeFolders_.rend(); ++it) {
        if (it->mode != 0) fs_.SetPermissions(it->path, it->mode);
        SetExtractedTimes(fs_, it->path, it->dosDate);
        if (it->attributes != 0) fs_.SetAttributes(it->path, it->attributes | Attr::kDirectory);
    }
}

bool Extractor::File(const QString& target, const ArchiveEntry& entry) {
    if (entry.encrypted) return false;
    const QString folder = FolderPart(target);
    const QString folderKey = folder.toCaseFolded();
    if (!folders_.contains(folderKey)) {
        FindData folderRecord;
        if (PathExists(fs_, folder, &folderRecord)) {
            if (!folderRecord.IsFolder()) return false;
        } else {
            for (QString missing = folder; !missing.isEmpty() && !PathExists(fs_, missing);
                 missing = FolderPart(missing)) {
                madeForFiles_.insert(missing.toCaseFolded());
                madeHere_.insert(missing.toCaseFolded());
            }
            if (!CreateDirTree(fs_, folder)) return Refused(fs_.LastError());
        }
        folders_.insert(folderKey);
    }
    const QString targetKey = target.toCaseFolded();
    FindData existing;
    const bool exists = (!madeHere_.contains(folderKey) || writtenHere_.contains(targetKey)) &&
                        PathExists(fs_, target, &existing);
    if (exists && existing.IsFolder()) return false;

    // Through a temporary file beside the target, unique to this writer and private to the
    // user, kept open (marked live) until it has replaced the target.
    QString temp;
    std::unique_ptr<DeviceFile> out = fs_.CreateTempFile(folder, &temp);
    if (!out) return Refused(fs_.LastError());
    quint64 written = 0;
    bool ok = CopyEntry(*out, temp, entry, &written);
    if (ok) {
        // A medium without permission bits keeps the private ones the file was made with.
        out->SetPermissions(entry.mode ? entry.mode : DefaultFileMode());
        const FileTime time = FileTimeFromDosDate(entry.dosDate);
        if (time != 0) out->SetTimes(&time, nullptr, &time);
    }
    // Made durable once for the whole archive, before the caller removes it.
    if (ok) ok = Commit(temp, target, exists);
    if (!out->Close() && ok) ok = Refused(out->LastError());
    if (!ok) {
        DeleteFileForce(fs_, temp);
        return false;
    }
    writtenHere_.insert(targetKey);
    quint32 attributes = entry.attributes & kRestorableAttributes;
    fs_.SetAttributes(target, attributes ? attributes : Attr::kArchive);
    result_.bytes += written;
    written_.append(target);
    return true;
}

bool Extractor::SyncWritten() {
    QStringList volumes;
    const QStringList cards = fs_.StorageCards();
    for (const QString& path : written_) {
        const QString first = path.section(QLatin1Char('\\'), 1, 1);
        const QString volume = cards.contains(first, Qt::CaseInsensitive)
                                   ? QStringLiteral("\\") + first
                                   : QStringLiteral("\\");
        if (!volumes.contains(volume, Qt::CaseInsensitive)) volumes.append(volume);
    }
    bool ok = true;
    for (const QString& volume : volumes)
        ok = fs_.SyncVolume(volume) && ok;
    return ok;
}

bool Extractor::Written(DeviceFile& out, const char* data, qint64 count, quint64* written) {
    if (count == 0) return true;
    if (!out.Write(data, count)) return Refused(out.LastError());
    const quint64 before = *written;
    *written += quint64(count);
    return (before >> 20) == (*written >> 20) || progress_.Partial(*written);
}

bool Extractor::ReadPacked(char* data, qint64 count) {
    qint64 done = 0;
    while (done < count) {
        const qint64 n = archive_->Read(data + done, count - done);
        if (n <= 0) return false;
        done += n;
    }
    return true;
}

// The entry's data is read from where the library found it, in large pieces (and past the
// 4 GiB the library would stop at), inflated and checked against the CRC.
bool Extractor::CopyEntry(DeviceFile& out, const QString& temp, const ArchiveEntry& entry,
                          quint64* written) {
    int method = 0;
    int level = 0;
    if (unzOpenCurrentFile2(zip_, &method, &level, 1) != UNZ_OK) return false;
    const ZPOS64_T start = unzGetCurrentFileZStreamPos64(zip_);
    unzCloseCurrentFile(zip_);
    if (method != 0 && method != Z_DEFLATED) return false;
    if (!archive_) archive_ = fs_.Open(archivePath_, OpenMode::Read);
    if (!archive_ || !archive_->Seek(qint64(start))) return false;
    if (method == Z_DEFLATED && entry.size <= kWholeEntry && entry.packedSize <= kWholeEntry)
        return CopyWhole(out, entry, written);
    if (method == 0 && entry.size >= kKernelCopy) return CopyStored(out, temp, entry, written);
    z_stream stream{};
    if (method == Z_DEFLATED && inflateInit2(&stream, -MAX_WBITS) != Z_OK) return false;
    quint64 left = entry.packedSize;
    quint32 crc = 0;
    bool ok = true;
    bool end = method == 0 && left == 0;
    while (ok && !end) {
        if (stream.avail_in == 0 && left > 0) {
            const qint64 n = qint64(std::min<quint64>(left, packed_.size()));
            if (!ReadPacked(packed_.data(), n)) {
                ok = false;
                break;
            }
            left -= quint64(n);
            stream.next_in = reinterpret_cast<Bytef*>(packed_.data());
            stream.avail_in = uInt(n);
        }
        const char* data = buffer_.data();
        qint64 produced = 0;
        if (method == 0) {
            data = reinterpret_cast<const char*>(stream.next_in);
            produced = stream.avail_in;
            stream.avail_in = 0;
            end = left == 0;
        } else {
            stream.next_out = reinterpret_cast<Bytef*>(buffer_.data());
            stream.avail_out = uInt(buffer_.size());
            const int result = inflate(&stream, Z_NO_FLUSH);
            produced = qint64(buffer_.size() - stream.avail_out);
            end = result == Z_STREAM_END;
            if (!end && result != Z_OK && !(result == Z_BUF_ERROR && left > 0)) ok = false;
        }
        crc = libdeflate_crc32(crc, data, size_t(produced));
        ok = ok && Written(out, data, produced, written);
    }
    if (method == Z_DEFLATED) inflateEnd(&stream);
    return ok && *written == entry.size && crc == entry.crc;
}

// A large stored entry: copied by the kernel into the temporary file, and read back from there
// for the checksum of what was written.
bool Extractor::CopyStored(DeviceFile& out, const QString& temp, const ArchiveEntry& entry,
                           quint64* written) {
    if (entry.packedSize != entry.size) return false;
    const std::unique_ptr<DeviceFile> reader = fs_.Open(temp, OpenMode::Read);
    if (!reader) return false;
    quint32 crc = 0;
    const qint64 n = CopyReadBack(out, 0, *archive_, *reader, entry.size, &crc,
                                  [this](quint64 copied) { return progress_.Partial(copied); });
    if (n < 0) return false;
    *written = quint64(n);
    return *written == entry.size && crc == entry.crc;
}

// A small deflated entry: read and inflated whole, written at once.
bool Extractor::CopyWhole(DeviceFile& out, const ArchiveEntry& entry, quint64* written) {
    if (!inflater_) inflater_ = libdeflate_alloc_decompressor();
    if (!inflater_) return false;
    if (packed_.size() < entry.packedSize) packed_.resize(entry.packedSize);
    if (buffer_.size() < entry.size) buffer_.resize(entry.size);
    if (!ReadPacked(packed_.data(), qint64(entry.packedSize))) return false;
    size_t size = 0;
    if (libdeflate_deflate_decompress(inflater_, packed_.data(), entry.packedSize,
                                      buffer_.data(), entry.size, &size) != LIBDEFLATE_SUCCESS ||
        size != entry.size ||
        libdeflate_crc32(0, buffer_.data(), size) != entry.crc) {
        return false;
    }
    return Written(out, buffer_.data(), qint64(size), written);
}

bool Extractor::Commit(const QString& temp, const QString& target, bool targetExisted) {
    if (fs_.ReplaceFile(temp, target)) return true;
    const DeviceError refused = fs_.LastError();
    // The caller agreed to the replacement; a read-only target must not stop it.
    auto attributes = targetExisted ? fs_.GetAttributes(target) : std::nullopt;
    if (!attributes || !(*attributes & Attr::kReadOnly)) return Refused(refused);
    if (!fs_.SetAttributes(target, *attributes & ~Attr::kReadOnly)) return Refused(fs_.LastError());
    if (fs_.ReplaceFile(temp, target)) return true;
    Refused(fs_.LastError());
    fs_.SetAttributes(target, *attributes);
    return false;
}

}  // namespace

namespace {

// Whether an entry's path lies within the item a bin entry names.
bool WithinItem(const ArchiveEntry& entry, const QString& item, bool itemIsFolder) {
    if (entry.path.isEmpty()) return true;  // refused and counted; writes nothing
    if (!itemIsFolder) return !entry.isFolder && entry.path.compare(item, Qt::CaseInsensitive) == 0;
    return IsSameOrInside(entry.path, item);
}

// Restoring an archive:
//  1. open it and list its entries for the progress totals; with an item, any entry outside
//     it makes the archive damaged and nothing is written,
//  2. for each entry check its name and its case against those made, then make the folder or
//     write the file,
//  3. give the folders made their times and attributes.
ExtractResult Unzip(DeviceFs& fs, const QString& archivePath, bool withoutFolders,
                    const QString& destination, Progress* progress, const QString& item,
                    bool itemIsFolder) {
    ExtractResult result;
    ZipDeviceIo io(fs);
    unzFile zip = unzOpen2_64(&archivePath, io.Functions());
    if (!zip) {
        result.code = io.OpenFailed() ? kArchiveUnreadable : kArchiveNotZip;
        return result;
    }
    ArchiveProgress relay(progress);
    quint64 totalBytes = 0;
    quint64 totalFiles = 0;
    bool outside = false;
    result.code = ForEachZipEntry(zip, [&](const ArchiveEntry& entry) {
        if (!item.isEmpty() && !WithinItem(entry, item, itemIsFolder)) {
            outside = true;
            return false;
        }
        if (!entry.isFolder) {
            totalBytes += entry.size;
            ++totalFiles;
        }
        return true;
    });
    if (outside) result.code = kArchiveOutsideItem;
    if (result.code == UNZ_OK) {
        relay.SetTotals(totalBytes, totalFiles);
        Extractor extractor(fs, zip, archivePath, withoutFolders, destination, relay, result);
        result.code = ForEachZipEntry(
            zip, [&extractor](const ArchiveEntry& entry) { return extractor.Entry(entry); });
        extractor.FinishFolders();
        if (!extractor.SyncWritten()) {
            ++result.failed;
            if (result.cause == DeviceError::None) result.cause = fs.LastError();
        }
    }
    const int closed = unzClose(zip);
    if (result.code == UNZ_OK) result.code = closed;
    return result;
}

}  // namespace

ExtractResult UnzipToPaths(DeviceFs& fs, const QString& archivePath, bool withoutFolders,
                           const QString& destination, Progress* progress) {
    return Unzip(fs, archivePath, withoutFolders, destination, progress, QString(), true);
}

ExtractResult ExtractArchive(DeviceFs& fs, const QString& archivePath, Progress* progress,
                             const QString& item, bool itemIsFolder) {
    return Unzip(fs, archivePath, false, QString(), progress, item, itemIsFolder);
}

bool CreateDirTree(DeviceFs& fs, const QString& path) {
    if (path.isEmpty()) return false;
    return MakePath(fs, path);
}
