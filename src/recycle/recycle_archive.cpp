#include "recycle/recycle_archive.h"

#include <malloc.h>

#include <minizip/zip.h>

#include <algorithm>
#include <chrono>
#include <future>

#include "app/path_helpers.h"
#include "fileops/file_names.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"
#include "recycle/archive_piece.h"
#include "recycle/piece_packer.h"
#include "recycle/stored_formats.h"
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
// Data read but not yet written: enough to keep every core busy, small enough for a handheld.
constexpr qsizetype kMaxQueued = 24 << 20;
// While waiting for a packer the window is kept alive at this pace.
constexpr int kWaitSliceMs = 40;

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

namespace {

// Reads until the buffer is full or the file ends; -1 on a read error.
qint64 ReadFull(DeviceFile& file, unsigned char* data, qint64 size) {
    qint64 done = 0;
    while (done < size) {
        const qint64 n = file.Read(reinterpret_cast<char*>(data) + done, size - done);
        if (n < 0) return -1;
        if (n == 0) break;
        done += n;
    }
    return done;
}

}  // namespace

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
    if (!file) return Refused(fs_.LastError());
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
    cause_ = DeviceError::None;
    packedFiles_ = packedBytes_ = failedAdds_ = 0;
    zip_ = zipOpen2_64(&archivePath, APPEND_STATUS_CREATE, nullptr, io_.Functions());
    if (!zip_) {
        // The file may have been created before the library gave up on it.
        if (!io_.OpenFailed() && !temp_) DeleteFileForce(fs_, archivePath);
        return false;
    }
    archivePath_ = archivePath;
    packer_ = std::make_unique<PiecePacker>();
    broken_ = false;
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
    const bool packed = PackFile(source, zipName, record.attributes, dosDate);
    reading_ = 0;  // the caller counts the file as done now
    return packed || Fail();
}

bool RecycleArchive::RecordFolder(const QByteArray& name, quint32 attributes, quint32 dosDate,
                                  std::optional<quint32> mode) {
    auto piece = std::make_shared<ArchivePiece>();
    piece->name = name;
    piece->folder = true;
    piece->deflate = false;
    piece->dosDate = dosDate;
    uLong madeBy = 0;
    piece->externalAttributes =
        ExternalAttributes(attributes | Attr::kDirectory, mode, kUnixFolder, &madeBy);
    piece->versionMadeBy = madeBy << 8 | 20;
    return Queue(std::move(piece));
}

// A file of up to kWholeBuffer bytes goes to a packer whole, which stores it unless deflate
// wins; a longer one is decided here from its first block and goes in pieces.
bool RecycleArchive::PackFile(const QString& source, const QByteArray& name, quint32 attributes,
                              quint32 dosDate) {
    auto input = fs_.Open(source, OpenMode::Read);
    if (!input) return Refused(fs_.LastError());
    const qint64 size = input->Size();
    auto piece = std::make_shared<ArchivePiece>();
    piece->name = name;
    piece->dosDate = dosDate;
    piece->zip64 = size < 0 || quint64(size) >= zip64Threshold_ ? 1 : 0;
    uLong madeBy = 0;
    piece->externalAttributes =
        ExternalAttributes(attributes, input->Permissions(), kUnixFile, &madeBy);
    piece->versionMadeBy = madeBy << 8 | (piece->zip64 ? 45 : 20);
    const bool packedType = IsCompressedFormat(QString::fromUtf8(name));

    // One byte more than expected tells whether the file grew.
    const qint64 want = size >= 0 && size < ArchivePiece::kWholeBuffer
                            ? size + 1
                            : ArchivePiece::kWholeBuffer + 1;
    piece->data.resize(size_t(want));
    qint64 n = ReadFull(*input, piece->data.data(), want);
    if (n < 0) return Refused(input->LastError());
    piece->data.resize(size_t(n));
    reading_ = quint64(n);
    if (n < want) {
        piece->chooseMethod = !packedType;
        piece->deflate = false;
        input->Close();
        ++packedFiles_;
        packedBytes_ += quint64(n);
        return Queue(std::move(piece));
    }

    if (!trial_) trial_ = std::make_unique<PieceWorkspace>();
    const bool deflate = !packedType && trial_->Compresses(piece->data.data(), n);
    quint64 done = quint64(n);
    quint64 nextReport = kObserverStep;
    for (;;) {
        piece->deflate = deflate;
        auto next = std::make_shared<ArchivePiece>();
        next->first = false;
        next->deflate = deflate;
        next->data.resize(size_t(ArchivePiece::kPieceSize));
        n = ReadFull(*input, next->data.data(), ArchivePiece::kPieceSize);
        if (n < 0) {
            Break();
            return Refused(input->LastError());
        }
        next->data.resize(size_t(n));
        piece->last = n == 0;
        if (deflate && n > 0) {
            const qsizetype keep = std::min<qsizetype>(qsizetype(piece->data.size()),
                                                       ArchivePiece::kDictionary);
            next->dictionary.assign(piece->data.end() - keep, piece->data.end());
        }
        if (!Queue(std::move(piece))) return false;
        if (n == 0) break;
        piece = std::move(next);
        done += quint64(n);
        reading_ = done;
        if (observer_ && done >= nextReport) {
            nextReport = done + kObserverStep;
            if (!observer_(done)) {
                Break();
                return false;
            }
        }
    }
    input->Close();
    ++packedFiles_;
    packedBytes_ += done;
    return true;
}

bool RecycleArchive::Queue(std::shared_ptr<ArchivePiece> piece) {
    if (broken_) return false;
    // What it takes until written: its data, and as much again at most for the deflated copy.
    const qsizetype charge = 2 * qsizetype(piece->data.size()) + 64;
    queued_ += charge;
    queue_.emplace_back(piece, charge);
    packer_->Submit(std::move(piece));
    return WriteQueued(kMaxQueued);
}

bool RecycleArchive::Report() {
    if (!observer_ || observer_(reading_)) return true;
    Break();
    return false;
}

void RecycleArchive::Break() {
    broken_ = true;
    queue_.clear();
    queued_ = 0;
}

bool RecycleArchive::WriteQueued(qsizetype keep) {
    while (!broken_ && !queue_.empty()) {
        const ArchivePiece& head = *queue_.front().first;
        bool ok = true;
        if (queued_ <= keep) {
            if (!packer_->WaitFor(head, 0, &ok)) break;
        } else {
            while (!packer_->WaitFor(head, kWaitSliceMs, &ok)) {
                if (!Report()) return false;
            }
        }
        if (!ok || !WritePiece(head)) {
            Break();
            return false;
        }
        queued_ -= queue_.front().second;
        queue_.pop_front();
    }
    return !broken_;
}

// Raw entries: the data comes packed, with its sizes and checksum given on closing.
bool RecycleArchive::WritePiece(const ArchivePiece& piece) {
    if (piece.first) {
        zip_fileinfo info{};
        info.dosDate = piece.dosDate;
        info.external_fa = piece.externalAttributes;
        const int method = piece.deflate ? Z_DEFLATED : 0;
        if (zipOpenNewFileInZip4_64(Zip(zip_), piece.name.constData(), &info, nullptr, 0, nullptr,
                                    0, nullptr, method, piece.deflate ? Z_DEFAULT_COMPRESSION : 0,
                                    1, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0,
                                    piece.versionMadeBy, kFlagUtf8Names,
                                    piece.zip64) != ZIP_OK) {
            return false;
        }
        entryCrc_ = 0;
        entrySize_ = 0;
    }
    const std::vector<unsigned char>& bytes = piece.deflate ? piece.packed : piece.data;
    if (!bytes.empty() &&
        zipWriteInFileInZip(Zip(zip_), bytes.data(), unsigned(bytes.size())) != ZIP_OK) {
        return false;
    }
    entryCrc_ = piece.first ? piece.crc
                            : quint32(crc32_combine64(entryCrc_, piece.crc,
                                                      z_off64_t(piece.data.size())));
    entrySize_ += piece.data.size();
    if (piece.last && zipCloseFileInZipRaw64(Zip(zip_), entrySize_, entryCrc_) != ZIP_OK) {
        return false;
    }
    return !io_.Failed();
}

bool RecycleArchive::Finish(bool keep) {
    if (!IsOpen()) return false;
    if (keep) WriteQueued(0);
    const bool written = !broken_;
    Break();
    packer_.reset();
    trial_.reset();
    const int err = zipClose(Zip(zip_), nullptr);
    zip_ = nullptr;
    const QString path = archivePath_;
    archivePath_.clear();
    bool complete = keep && written && err == ZIP_OK && !io_.Failed() && failedAdds_ == 0;
    if (complete && temp_) complete = FlushAdopted();
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

// The flush of a large archive can take seconds: it runs beside the caller, which meanwhile
// keeps its window alive and may still give up the archive.
bool RecycleArchive::FlushAdopted() {
    DeviceFile* file = io_.Adopted();
    if (!file) return false;
    std::future<bool> flushed = std::async(std::launch::async, [file] { return file->Flush(); });
    bool wanted = true;
    while (flushed.wait_for(std::chrono::milliseconds(kWaitSliceMs)) != std::future_status::ready)
        wanted = (!observer_ || observer_(reading_)) && wanted;
    if (!flushed.get()) return Refused(file->LastError());
    return wanted;
}

bool RecycleArchive::CloseArchive() {
    return Finish(true);
}

void RecycleArchive::AbandonArchive() {
    Finish(false);
}
