#include "recycle/recycle_archive.h"

#include <malloc.h>

#include <minizip/zip.h>

#include "app/path_helpers.h"
#include "fileops/file_names.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"
#include "recycle/zip_dos_date.h"
#include "recycle/zip_entry_name.h"

namespace {

constexpr uLong kFlagUtf8Names = 0x0800;
// "Made by" Unix: the host permission bits go in the high 16 bits of the external attributes
// (with the file type, as Info-ZIP writes them), the device's attribute bits in the low ones.
// Without known permission bits, Windows NT: the low bits alone (and unlike a FAT origin it
// keeps Info-ZIP from taking the UTF-8 names for an OEM code page).
constexpr uLong kMadeByUnix = 3;
constexpr uLong kMadeByNtfs = 11;
constexpr quint32 kUnixFile = 0100000;
constexpr quint32 kUnixFolder = 0040000;
constexpr quint64 kObserverStep = 1 << 20;

zipFile Zip(void* zip) {
    return static_cast<zipFile>(zip);
}

// The external attributes and the "made by" host for an entry.
uLong ExternalAttributes(quint32 attributes, std::optional<quint32> mode, quint32 type,
                         uLong* madeBy) {
    *madeBy = mode ? kMadeByUnix : kMadeByNtfs;
    return uLong(attributes & 0xffff) | (mode ? uLong(type | (*mode & 0777)) << 16 : 0);
}

}  // namespace

namespace {

// zlib allocates and frees about 270 KB of deflate state for every entry; with glibc's
// defaults that memory goes back to the kernel each time, and the page-table work cost more
// than the compression of small files. Keep it in the heap instead.
void KeepDeflateStateInHeap() {
    static const bool tuned = [] {
        mallopt(M_MMAP_THRESHOLD, 4 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
        return true;
    }();
    Q_UNUSED(tuned);
}

}  // namespace

RecycleArchive::RecycleArchive(DeviceFs& fs) : fs_(fs), io_(fs) {
    KeepDeflateStateInHeap();
}

RecycleArchive::~RecycleArchive() {
    if (IsOpen()) AbandonArchive();
}

bool RecycleArchive::OpenArchive(const QString& archivePath) {
    if (IsOpen()) return archivePath.compare(archivePath_, Qt::CaseInsensitive) == 0;
    temp_ = false;
    return Begin(archivePath);
}

bool RecycleArchive::OpenTempArchive(const QString& folder) {
    if (IsOpen()) return false;
    QString path;
    std::unique_ptr<DeviceFile> file = fs_.CreateTempFile(folder, &path);
    if (!file) return false;
    io_.Adopt(std::move(file));
    temp_ = true;
    if (Begin(path)) return true;
    io_.TakeAdopted();
    DeleteFileForce(fs_, path);
    return false;
}

std::unique_ptr<DeviceFile> RecycleArchive::TakeTempFile() {
    tempPath_.clear();
    return io_.TakeAdopted();
}

bool RecycleArchive::Begin(const QString& archivePath) {
    io_.Reset();
    packedFiles_ = packedBytes_ = failedAdds_ = 0;
    zip_ = zipOpen2_64(&archivePath, APPEND_STATUS_CREATE, nullptr, io_.Functions());
    if (!zip_) {
        // The file may have been created before the library gave up on it.
        if (!io_.OpenFailed() && !temp_) DeleteFileForce(fs_, archivePath);
        return false;
    }
    archivePath_ = archivePath;
    buffer_.assign(kWorkBufferSize, 0);
    return true;
}

bool RecycleArchive::Fail() {
    ++failedAdds_;
    return false;
}

bool RecycleArchive::AddToArchive(const QString& source, const QString& entryName) {
    if (!IsOpen() || io_.Failed()) return Fail();
    // An archive inside the tree it packs would swallow itself.
    if (source.compare(archivePath_, Qt::CaseInsensitive) == 0) return Fail();
    FindData record;
    if (!PathExists(fs_, source, &record)) return Fail();
    QString name = entryName;
    if (name.isEmpty()) {
        name = source;
        if (!sourceTop_.isEmpty() && IsSameOrInside(source, sourceTop_)) {
            name = entryTop_ + source.mid(sourceTop_.size());
        }
    }
    const bool folder = record.IsFolder();
    const QByteArray zipName = ZipEntryNameFromDevicePath(name, folder);
    QString check;
    if (!DevicePathFromZipEntryName(QString::fromUtf8(zipName), &check)) return Fail();
    const quint32 dosDate = DosDateFromFileTime(record.lastWriteTime);
    if (folder) {
        return RecordFolder(zipName, record.attributes, dosDate, fs_.GetPermissions(source)) ||
               Fail();
    }
    if (IsRomFile(record.attributes)) return Fail();
    return PackFile(source, zipName, record.attributes, dosDate) || Fail();
}

bool RecycleArchive::RecordFolder(const QByteArray& name, quint32 attributes, quint32 dosDate,
                                  std::optional<quint32> mode) {
    zip_fileinfo info{};
    info.dosDate = dosDate;
    uLong madeBy = 0;
    info.external_fa =
        ExternalAttributes(attributes | Attr::kDirectory, mode, kUnixFolder, &madeBy);
    int err = zipOpenNewFileInZip4_64(Zip(zip_), name.constData(), &info, nullptr, 0, nullptr, 0,
                                      nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS,
                                      DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0,
                                      madeBy << 8 | 20, kFlagUtf8Names, 0);
    if (err != ZIP_OK) return false;
    return zipCloseFileInZip(Zip(zip_)) == ZIP_OK && !io_.Failed();
}

bool RecycleArchive::PackFile(const QString& source, const QByteArray& name, quint32 attributes,
                              quint32 dosDate) {
    auto input = fs_.Open(source, OpenMode::Read);
    if (!input) return false;
    const qint64 size = input->Size();
    const int zip64 = size < 0 || quint64(size) >= zip64Threshold_ ? 1 : 0;
    zip_fileinfo info{};
    info.dosDate = dosDate;
    uLong madeBy = 0;
    info.external_fa = ExternalAttributes(attributes, input->Permissions(), kUnixFile, &madeBy);
    int err = zipOpenNewFileInZip4_64(Zip(zip_), name.constData(), &info, nullptr, 0, nullptr, 0,
                                      nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0, -MAX_WBITS,
                                      DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0,
                                      madeBy << 8 | (zip64 ? 45 : 20), kFlagUtf8Names, zip64);
    if (err != ZIP_OK) return false;

    bool ok = true;
    quint64 done = 0;
    quint64 nextReport = kObserverStep;
    for (;;) {
        const qint64 n = input->Read(buffer_.data(), kWorkBufferSize);
        if (n < 0) {
            ok = false;
            break;
        }
        if (n == 0) break;
        if (zipWriteInFileInZip(Zip(zip_), buffer_.data(), unsigned(n)) != ZIP_OK) {
            ok = false;
            break;
        }
        done += quint64(n);
        if (observer_ && done >= nextReport) {
            nextReport = done + kObserverStep;
            if (!observer_(done)) {
                ok = false;
                break;
            }
        }
    }
    input->Close();
    // Closing the entry writes its sizes and CRC; it is called after a failure too, so that
    // the library is ready for the next entry or for zipClose.
    if (zipCloseFileInZip(Zip(zip_)) != ZIP_OK) ok = false;
    if (!ok || io_.Failed()) return false;
    ++packedFiles_;
    packedBytes_ += done;
    return true;
}

bool RecycleArchive::Finish(bool keep) {
    if (!IsOpen()) return false;
    const int err = zipClose(Zip(zip_), nullptr);
    zip_ = nullptr;
    buffer_.clear();
    buffer_.shrink_to_fit();
    const QString path = archivePath_;
    archivePath_.clear();
    const bool complete = keep && err == ZIP_OK && !io_.Failed() && failedAdds_ == 0;
    if (!complete) {
        DeleteFileForce(fs_, path);
        io_.TakeAdopted();
        return false;
    }
    if (temp_) {
        // Hidden by its name until the caller renames it; the caller marks it then.
        tempPath_ = path;
        return true;
    }
    // Created hidden already; only a device that dropped the bit needs it again.
    auto attributes = fs_.GetAttributes(path);
    if (attributes && !(*attributes & Attr::kHidden)) {
        fs_.SetAttributes(path, *attributes | Attr::kHidden);
    }
    return true;
}

bool RecycleArchive::CloseArchive() {
    return Finish(true);
}

void RecycleArchive::AbandonArchive() {
    Finish(false);
}
