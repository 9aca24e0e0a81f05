#include "recycle/zip_writer.h"

#include <QtEndian>
#include <algorithm>

#include "platform/device_fs.h"
#include "recycle/copy_read_back.h"

namespace {

constexpr quint32 kLocalHeader = 0x04034b50;
constexpr quint32 kCentralHeader = 0x02014b50;
constexpr quint32 kEndOfCentral = 0x06054b50;
constexpr quint32 kZip64EndOfCentral = 0x06064b50;
constexpr quint32 kZip64Locator = 0x07064b50;
constexpr quint16 kZip64Extra = 0x0001;
constexpr quint16 kFlagUtf8Names = 0x0800;
constexpr quint16 kMethodStored = 0;
constexpr quint16 kMethodDeflated = 8;
constexpr quint16 kVersion = 20;
constexpr quint16 kVersionZip64 = 45;
constexpr quint64 kMax32 = 0xffffffffu;
constexpr quint64 kMax16 = 0xffffu;

constexpr qsizetype kBuffer = 1 << 20;

// Little-endian fields appended to a header.
class Fields {
public:
    Fields& U16(quint64 v) { return Put<quint16>(v); }
    Fields& U32(quint64 v) { return Put<quint32>(v); }
    Fields& U64(quint64 v) { return Put<quint64>(v); }
    Fields& Bytes(const QByteArray& b) {
        bytes_ += b;
        return *this;
    }
    const QByteArray& bytes() const { return bytes_; }

private:
    template <typename T>
    Fields& Put(quint64 v) {
        char out[sizeof(T)];
        qToLittleEndian<T>(T(v), out);
        bytes_.append(out, sizeof(T));
        return *this;
    }
    QByteArray bytes_;
};

quint16 Method(const ZipWriter::Entry& e) {
    return e.deflated ? kMethodDeflated : kMethodStored;
}

quint16 Needed(const ZipWriter::Entry& e) {
    return e.zip64 ? kVersionZip64 : kVersion;
}

}  // namespace

ZipWriter::ZipWriter(DeviceFile& file) : file_(file) {
    buffer_.reserve(size_t(kBuffer));
}

bool ZipWriter::Fail() {
    failed_ = true;
    return false;
}

bool ZipWriter::Drain() {
    if (failed_) return false;
    if (!buffer_.empty() && !file_.Write(buffer_.data(), qint64(buffer_.size()))) return Fail();
    buffer_.clear();
    bufferStart_ = position_;
    return true;
}

bool ZipWriter::Emit(const void* data, qint64 count) {
    if (failed_) return false;
    if (count >= kBuffer) {
        if (!Drain()) return false;
        if (!file_.Write(static_cast<const char*>(data), count)) return Fail();
        position_ += quint64(count);
        bufferStart_ = position_;
        return true;
    }
    if (qsizetype(buffer_.size()) + count > kBuffer && !Drain()) return false;
    const char* bytes = static_cast<const char*>(data);
    buffer_.insert(buffer_.end(), bytes, bytes + count);
    position_ += quint64(count);
    return true;
}

// The local header; a zip64 one holds its sizes in its extra field (patched as they become
// known), the 32-bit fields marked as found there.
bool ZipWriter::LocalHeader(const Written& w) {
    const Entry& e = w.entry;
    Fields h;
    h.U32(kLocalHeader).U16(Needed(e)).U16(kFlagUtf8Names).U16(Method(e)).U32(e.dosDate);
    h.U32(w.crc);
    h.U32(e.zip64 ? kMax32 : w.packedSize).U32(e.zip64 ? kMax32 : w.size);
    h.U16(quint64(e.name.size())).U16(e.zip64 ? 20 : 0).Bytes(e.name);
    if (e.zip64) h.U16(kZip64Extra).U16(16).U64(w.size).U64(w.packedSize);
    return Emit(h.bytes().constData(), h.bytes().size());
}

bool ZipWriter::Begin(const Entry& entry) {
    if (failed_ || open_) return Fail();
    Written w;
    w.entry = entry;
    w.offset = position_;
    entries_.push_back(w);
    open_ = true;
    known_ = false;
    return LocalHeader(w);
}

bool ZipWriter::Begin(const Entry& entry, quint64 size, quint64 packedSize, quint32 crc) {
    if (failed_ || open_) return Fail();
    if (!entry.zip64 && (size >= kMax32 || packedSize >= kMax32)) return Fail();
    Written w{entry, position_, size, packedSize, crc};
    entries_.push_back(w);
    open_ = true;
    known_ = true;
    return LocalHeader(w);
}

bool ZipWriter::Write(const void* data, qint64 count) {
    if (!open_) return Fail();
    return count == 0 || Emit(data, count);
}

bool ZipWriter::CopyStored(DeviceFile& source, DeviceFile& reader, quint64* size, quint32* crc,
                           const std::function<bool(quint64)>& step) {
    if (!open_ || !Drain()) return Fail();
    const qint64 n = CopyReadBack(file_, position_, source, reader, ~quint64(0), crc, step);
    if (n < 0) return Fail();
    position_ += quint64(n);
    bufferStart_ = position_;
    *size += quint64(n);
    return true;
}

bool ZipWriter::Patch(quint64 at, const QByteArray& bytes) {
    if (at >= bufferStart_) {
        std::copy(bytes.begin(), bytes.end(), buffer_.begin() + qsizetype(at - bufferStart_));
        return true;
    }
    if (!Drain() || !file_.Seek(qint64(at)) || !file_.Write(bytes.constData(), bytes.size()) ||
        !file_.Seek(qint64(position_))) {
        return Fail();
    }
    return true;
}

bool ZipWriter::End(quint64 size, quint64 packedSize, quint32 crc) {
    if (failed_ || !open_) return Fail();
    open_ = false;
    Written& w = entries_.back();
    if (known_) {
        return (size == w.size && packedSize == w.packedSize && crc == w.crc) || Fail();
    }
    if (!w.entry.zip64 && (size >= kMax32 || packedSize >= kMax32)) return Fail();
    w.size = size;
    w.packedSize = packedSize;
    w.crc = crc;
    Fields at14;  // checksum and sizes, 14 bytes into the local header
    at14.U32(crc);
    if (!w.entry.zip64) at14.U32(packedSize).U32(size);
    if (!Patch(w.offset + 14, at14.bytes())) return false;
    if (!w.entry.zip64) return true;
    Fields extra;
    extra.U64(size).U64(packedSize);
    return Patch(w.offset + 30 + quint64(w.entry.name.size()) + 4, extra.bytes());
}

bool ZipWriter::Finish() {
    if (failed_ || open_) return Fail();
    const quint64 start = position_;
    for (const Written& w : entries_) {
        const Entry& e = w.entry;
        Fields zip64;
        if (w.size >= kMax32) zip64.U64(w.size);
        if (w.packedSize >= kMax32) zip64.U64(w.packedSize);
        if (w.offset >= kMax32) zip64.U64(w.offset);
        const qsizetype extra = zip64.bytes().isEmpty() ? 0 : 4 + zip64.bytes().size();
        Fields h;
        h.U32(kCentralHeader).U16(e.versionMadeBy).U16(Needed(e)).U16(kFlagUtf8Names);
        h.U16(Method(e)).U32(e.dosDate).U32(w.crc);
        h.U32(std::min(w.packedSize, kMax32)).U32(std::min(w.size, kMax32));
        h.U16(quint64(e.name.size())).U16(quint64(extra)).U16(0).U16(0).U16(0);
        h.U32(e.externalAttributes).U32(std::min(w.offset, kMax32)).Bytes(e.name);
        if (extra) h.U16(kZip64Extra).U16(quint64(zip64.bytes().size())).Bytes(zip64.bytes());
        if (!Emit(h.bytes().constData(), h.bytes().size())) return false;
    }
    const quint64 count = entries_.size();
    const quint64 length = position_ - start;
    Fields end;
    if (count >= kMax16 || start >= kMax32 || length >= kMax32) {
        const quint64 record = position_;
        end.U32(kZip64EndOfCentral).U64(44).U16(kVersionZip64).U16(kVersionZip64).U32(0).U32(0);
        end.U64(count).U64(count).U64(length).U64(start);
        end.U32(kZip64Locator).U32(0).U64(record).U32(1);
    }
    end.U32(kEndOfCentral).U16(0).U16(0).U16(std::min(count, kMax16)).U16(std::min(count, kMax16));
    end.U32(std::min(length, kMax32)).U32(std::min(start, kMax32)).U16(0);
    return Emit(end.bytes().constData(), end.bytes().size()) && Drain();
}
