#include "recycle/recycle_archive.h"

#include <malloc.h>

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>

#include "app/path_helpers.h"
#include "fileops/file_names.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"
#include "recycle/archive_piece.h"
#include "recycle/piece_packer.h"
#include "recycle/run_beside.h"
#include "recycle/stored_formats.h"
#include "recycle/zip_dos_date.h"
#include "recycle/zip_entry_name.h"
#include "recycle/zip_writer.h"

namespace {

// "Made by" Unix: the host permission bits go in the high 16 bits of the external attributes
// (with the file type, as Info-ZIP writes them), the device's attribute bits in the low ones.
// Without known permission bits, Windows NT: the low bits alone (and unlike a FAT origin it
// keeps Info-ZIP from taking the UTF-8 names for an OEM code page).
constexpr quint32 kMadeByUnix = 3;
constexpr quint32 kMadeByNtfs = 11;
constexpr quint32 kUnixFile = 0100000;
constexpr quint32 kUnixFolder = 0040000;
constexpr quint64 kObserverStep = 1 << 20;
// Data read but not yet written: enough to keep every core busy, small enough for a handheld.
constexpr qsizetype kMaxQueued = 24 << 20;
// While waiting for a packer the window is kept alive at this pace.
constexpr int kWaitSliceMs = 25;

// The external attributes and the "made by" host for an entry.
quint32 ExternalAttributes(quint32 attributes, std::optional<quint32> mode, quint32 type,
                           quint32* madeBy) {
    *madeBy = mode ? kMadeByUnix : kMadeByNtfs;
    return quint32(attributes & 0xffff) | (mode ? quint32(type | (*mode & 0777)) << 16 : 0);
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

RecycleArchive::RecycleArchive(DeviceFs& fs) : fs_(fs) {
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
    cause_ = DeviceError::None;
    // Hidden from the start: a half-written archive is never shown in a listing.
    file_ = fs_.Open(archivePath, OpenMode::CreateAlways, Attr::kHidden);
    if (!file_) return Refused(fs_.LastError());
    temp_ = false;
    return Begin(archivePath);
}

bool RecycleArchive::OpenTempArchive(const QString& folder) {
    if (IsOpen()) return false;
    QString path;
    cause_ = DeviceError::None;
    file_ = fs_.CreateTempFile(folder, &path);
    if (!file_) return Refused(fs_.LastError());
    temp_ = true;
    return Begin(path);
}

std::unique_ptr<DeviceFile> RecycleArchive::TakeTempFile() {
    tempPath_.clear();
    return std::move(file_);
}

bool RecycleArchive::Begin(const QString& archivePath) {
    packedFiles_ = packedBytes_ = failedAdds_ = 0;
    zip_ = std::make_unique<ZipWriter>(*file_);
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
    if (!IsOpen() || zip_->Failed()) return Fail();
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
    quint32 madeBy = 0;
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
    quint32 madeBy = 0;
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
    if (!deflate) return CopyStored(*input, *piece);
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

// A large file stored as it is: its first block from memory, the rest copied by the kernel
// straight into the archive and read back for its checksum, after every entry before it.
bool RecycleArchive::CopyStored(DeviceFile& input, const ArchivePiece& first) {
    if (!WriteQueued(0)) return false;
    if (!reader_) reader_ = fs_.Open(archivePath_, OpenMode::Read);
    ZipWriter::Entry entry{first.name, false, first.dosDate, first.externalAttributes,
                           first.versionMadeBy, first.zip64 != 0};
    quint64 size = first.data.size();
    quint32 crc = quint32(libdeflate_crc32(0, first.data.data(), first.data.size()));
    const auto step = [this, &first](quint64 copied) {
        reading_ = first.data.size() + copied;
        return !observer_ || observer_(reading_);
    };
    if (!reader_ || !zip_->Begin(entry) ||
        !zip_->Write(first.data.data(), qint64(first.data.size())) ||
        !zip_->CopyStored(input, *reader_, &size, &crc, step) || !zip_->End(size, size, crc)) {
        Break();
        return false;
    }
    input.Close();
    ++packedFiles_;
    packedBytes_ += size;
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

// The data comes packed, with its checksum; an entry of one piece has its sizes known at once.
bool RecycleArchive::WritePiece(const ArchivePiece& piece) {
    const std::vector<unsigned char>& bytes = piece.deflate ? piece.packed : piece.data;
    if (piece.first) {
        const ZipWriter::Entry entry{piece.name, piece.deflate, piece.dosDate,
                                     piece.externalAttributes, piece.versionMadeBy,
                                     piece.zip64 != 0};
        if (piece.last ? !zip_->Begin(entry, piece.data.size(), bytes.size(), piece.crc)
                       : !zip_->Begin(entry)) {
            return false;
        }
        entryCrc_ = 0;
        entrySize_ = 0;
        entryPacked_ = 0;
    }
    if (!zip_->Write(bytes.data(), qint64(bytes.size()))) return false;
    entryCrc_ = piece.first ? piece.crc
                            : quint32(crc32_combine64(entryCrc_, piece.crc,
                                                      z_off64_t(piece.data.size())));
    entrySize_ += piece.data.size();
    entryPacked_ += bytes.size();
    return !piece.last || zip_->End(entrySize_, entryPacked_, entryCrc_);
}

bool RecycleArchive::Finish(bool keep) {
    if (!IsOpen()) return false;
    if (keep) WriteQueued(0);
    const bool written = !broken_;
    Break();
    packer_.reset();
    trial_.reset();
    reader_.reset();
    const bool finished = keep && written && failedAdds_ == 0 && zip_->Finish();
    if (zip_->Failed()) Refused(file_->LastError());
    zip_.reset();
    const QString path = archivePath_;
    archivePath_.clear();
    // The archive must be on the medium before the caller deletes the originals.
    bool complete = finished && FlushFile();
    if (!temp_ && !file_->Close()) complete = Refused(file_->LastError());
    if (!complete) {
        DeleteFileForce(fs_, path);
        file_.reset();
        return false;
    }
    if (temp_) {
        // Hidden by its name until the caller renames it; the caller marks it then.
        tempPath_ = path;
        return true;
    }
    file_.reset();
    // Created hidden already; only a device that dropped the bit needs it again.
    auto attributes = fs_.GetAttributes(path);
    if (attributes && !(*attributes & Attr::kHidden)) {
        fs_.SetAttributes(path, *attributes | Attr::kHidden);
    }
    return true;
}

// The flush of a large archive can take seconds: it runs beside the caller, which meanwhile
// keeps its window alive and may still give up the archive.
bool RecycleArchive::FlushFile() {
    DeviceFile* file = file_.get();
    bool wanted = true;
    const bool flushed = RunBeside([file] { return file->Flush(); },
                                   [&] { wanted = (!observer_ || observer_(reading_)) && wanted; });
    if (!flushed) return Refused(file->LastError());
    return wanted;
}

bool RecycleArchive::CloseArchive() {
    return Finish(true);
}

void RecycleArchive::AbandonArchive() {
    Finish(false);
}
