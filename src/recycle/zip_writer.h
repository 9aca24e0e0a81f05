#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <functional>
#include <vector>

class DeviceFile;

// Writes a zip archive into a file from its start: local headers, the data as it comes, then
// the central directory, with zip64 records where sizes, offsets or the count need them.
// Small writes are gathered into large ones; an entry whose size and checksum are known when
// it begins gets its final header at once, any other has it completed when it ends. After
// any failed write every call fails.
class ZipWriter {
public:
    struct Entry {
        QByteArray name;  // UTF-8, '/' separated
        bool deflated = false;
        quint32 dosDate = 0;
        quint32 externalAttributes = 0;
        quint32 versionMadeBy = 0;  // host << 8 | version
        bool zip64 = false;         // 64-bit sizes from the start (a file near 4 GiB or over)
    };

    explicit ZipWriter(DeviceFile& file);

    // Starts an entry; with known, its size, packed size and checksum are final already.
    bool Begin(const Entry& entry);
    bool Begin(const Entry& entry, quint64 size, quint64 packedSize, quint32 crc);
    bool Write(const void* data, qint64 count);
    // Copies the rest of the source (from its position) into the entry as stored data, in the
    // kernel where the host can; each part is read back through reader, a second handle on
    // this archive, for the checksum of what was written. step(bytes copied) is asked between
    // parts and stops the copy by answering false. Adds to *size and *crc.
    bool CopyStored(DeviceFile& source, DeviceFile& reader, quint64* size, quint32* crc,
                    const std::function<bool(quint64)>& step);
    // Ends the entry begun last with its sizes and checksum (those given to Begin when known).
    bool End(quint64 size, quint64 packedSize, quint32 crc);
    // Writes the central directory and the end records, and empties the buffer.
    bool Finish();

    bool Failed() const { return failed_; }

private:
    struct Written {
        Entry entry;
        quint64 offset = 0;  // of the local header
        quint64 size = 0;
        quint64 packedSize = 0;
        quint32 crc = 0;
    };

    bool LocalHeader(const Written& w);
    bool Patch(quint64 at, const QByteArray& bytes);
    bool Emit(const void* data, qint64 count);
    bool Drain();
    bool Fail();

    DeviceFile& file_;
    std::vector<char> buffer_;
    quint64 bufferStart_ = 0;  // file offset of buffer_[0]
    quint64 position_ = 0;     // where the next byte goes
    std::vector<Written> entries_;
    bool open_ = false;  // an entry is begun and not ended
    bool known_ = false;
    bool failed_ = false;
};
