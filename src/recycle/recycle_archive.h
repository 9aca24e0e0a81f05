#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "fileops/tree_ops.h"

class DeviceFile;
class DeviceFs;
class PiecePacker;
class PieceWorkspace;
class ZipWriter;
struct ArchivePiece;

// The zip archive a deleted item is packed into: opened, filled file by file (directly or by
// CopyTree as its ArchiveWriter), then closed. An archive counts as made only when every add
// succeeded and it was written and closed without error; otherwise closing removes it, so a
// caller deletes the originals only after CloseArchive answered true.
// Files are read here and packed on every core meanwhile; the entries are written in the
// order they were added, with a bounded amount of data on its way. Data that does not
// compress (by its type, or by a trial of its first block) is stored.
class RecycleArchive : public ArchiveWriter {
public:
    // Files from this size on get zip64 headers: deflate may add a little to data that does
    // not compress, and the 32-bit fields end at 4 GiB.
    static constexpr quint64 kZip64Threshold = 0xFFFFFFFFull - (16ull << 20);

    explicit RecycleArchive(DeviceFs& fs);
    ~RecycleArchive() override;  // an archive still open is abandoned
    RecycleArchive(const RecycleArchive&) = delete;
    RecycleArchive& operator=(const RecycleArchive&) = delete;

    // Creates the archive (hidden from the start), replacing a file of that name. True also
    // when this same archive is open already; false while another one is open.
    bool OpenArchive(const QString& archivePath);
    // Creates the archive as a temporary file of the folder, unique to this writer; once
    // closed complete, it stays open (marked live) until TakeTempFile, so the caller can
    // rename TempPath() into place before any other process may sweep it.
    bool OpenTempArchive(const QString& folder);
    QString TempPath() const { return tempPath_; }
    std::unique_ptr<DeviceFile> TakeTempFile();
    bool IsOpen() const { return zip_ != nullptr; }
    QString ArchivePath() const { return archivePath_; }

    // Packs a file, or records a folder (no data, 0x10 in its attributes), under the device
    // path entryName; when empty, under the source path itself (mapped by SetEntryRoot). ROM
    // files are refused. Once a write to the archive has failed, every later add fails at once.
    bool AddToArchive(const QString& source, const QString& entryName = QString());

    // Names the entries of sources below sourceTop after the same paths below entryTop (an
    // old-version bin item packed under its original path); empty texts end the mapping.
    void SetEntryRoot(const QString& sourceTop, const QString& entryTop) {
        sourceTop_ = sourceTop;
        entryTop_ = entryTop;
    }

    // Closes the archive. True when it is complete; otherwise it has been removed.
    bool CloseArchive();
    // Closes and removes the archive (a cancelled or refused put).
    void AbandonArchive();

    // ArchiveWriter: what CopyTree hands over in archive mode.
    bool AddFile(const QString& path) override { return AddToArchive(path); }
    bool AddFolder(const QString& path) override { return AddToArchive(path); }

    // Since the archive was opened (counted as added: they are written by CloseArchive).
    quint64 PackedFiles() const { return packedFiles_; }
    quint64 PackedBytes() const { return packedBytes_; }
    quint64 FailedAdds() const { return failedAdds_; }
    // Why the device refused the first read or write that failed, for the message.
    DeviceError Cause() const { return cause_; }

    // Called with the bytes of the current file read so far, every megabyte or so, and while
    // waiting for the packers; answers false to give up (the archive then cannot be complete).
    void SetPieceObserver(std::function<bool(quint64)> observer) {
        observer_ = std::move(observer);
    }
    // Tests lower it to exercise the zip64 headers with small files.
    void SetZip64Threshold(quint64 bytes) { zip64Threshold_ = bytes; }

private:
    bool PackFile(const QString& source, const QByteArray& name, quint32 attributes,
                  quint32 dosDate);
    bool CopyStored(DeviceFile& input, const ArchivePiece& first);
    bool RecordFolder(const QByteArray& name, quint32 attributes, quint32 dosDate,
                      std::optional<quint32> mode);
    bool Begin(const QString& archivePath);
    bool Fail();
    bool Finish(bool keep);
    bool Queue(std::shared_ptr<ArchivePiece> piece);
    // Writes the packed pieces at the head; waits for them while more than keep bytes are on
    // their way. False once the archive is broken.
    bool WriteQueued(qsizetype keep);
    bool WritePiece(const ArchivePiece& piece);
    bool Report();
    void Break();
    bool FlushFile();

    bool Refused(DeviceError cause) {
        if (cause_ == DeviceError::None) cause_ = cause;
        return false;
    }

    DeviceFs& fs_;
    std::unique_ptr<DeviceFile> file_;
    std::unique_ptr<DeviceFile> reader_;  // reads back what a kernel copy wrote
    std::unique_ptr<ZipWriter> zip_;
    DeviceError cause_ = DeviceError::None;  // of a source or the archive
    QString archivePath_;
    QString tempPath_;  // the complete temporary archive, until taken
    bool temp_ = false;
    QString sourceTop_;
    QString entryTop_;
    std::unique_ptr<PiecePacker> packer_;
    std::unique_ptr<PieceWorkspace> trial_;
    std::deque<std::pair<std::shared_ptr<ArchivePiece>, qsizetype>> queue_;
    qsizetype queued_ = 0;
    bool broken_ = false;  // a piece could not be read, packed or written
    quint32 entryCrc_ = 0;
    quint64 entrySize_ = 0;
    quint64 entryPacked_ = 0;
    quint64 reading_ = 0;  // bytes of the file being read
    std::function<bool(quint64)> observer_;
    quint64 zip64Threshold_ = kZip64Threshold;
    quint64 packedFiles_ = 0;
    quint64 packedBytes_ = 0;
    quint64 failedAdds_ = 0;
};
