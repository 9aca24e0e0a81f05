#include "recycle/zip_device_io.h"

#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/device_fs.h"
#include "platform/file_attributes.h"

namespace {

struct Stream {
    std::unique_ptr<DeviceFile> owned;
    DeviceFile* file = nullptr;
    bool adopted = false;
    bool writing = false;
    bool failed = false;  // sticky: nothing more is written after a failed write
    // Reading goes through a buffer: minizip reads headers a byte or two at a time.
    std::vector<char> buffer;
    qint64 bufferStart = 0;  // file offset of buffer[0]
    qint64 bufferLength = 0;
    qint64 position = 0;  // where the next read starts
    qint64 filePosition = 0;
    qint64 end = -1;  // where a read found the end of the file, once one did
};

constexpr qint64 kReadBuffer = 64 * 1024;

// Fills the buffer from the stream's position; false on a read error.
bool Refill(Stream* s) {
    if (s->filePosition != s->position) {
        if (!s->file->Seek(s->position)) return false;
        s->filePosition = s->position;
    }
    const qint64 n = s->file->Read(s->buffer.data(), kReadBuffer);
    if (n < 0) return false;
    s->bufferStart = s->position;
    s->bufferLength = n;
    s->filePosition += n;
    return true;
}

ZipDeviceIo* Io(voidpf opaque) {
    return static_cast<ZipDeviceIo*>(opaque);
}
Stream* AsStream(voidpf stream) {
    return static_cast<Stream*>(stream);
}

}  // namespace

ZipDeviceIo::ZipDeviceIo(DeviceFs& fs) : fs_(fs) {
    functions_.zopen64_file = &ZipDeviceIo::Open;
    functions_.zread_file = &ZipDeviceIo::Read;
    functions_.zwrite_file = &ZipDeviceIo::Write;
    functions_.ztell64_file = &ZipDeviceIo::Tell;
    functions_.zseek64_file = &ZipDeviceIo::Seek;
    functions_.zclose_file = &ZipDeviceIo::Close;
    functions_.zerror_file = &ZipDeviceIo::Error;
    functions_.opaque = this;
}

ZipDeviceIo::~ZipDeviceIo() = default;

void ZipDeviceIo::Adopt(std::unique_ptr<DeviceFile> file) {
    adopted_ = std::move(file);
}

std::unique_ptr<DeviceFile> ZipDeviceIo::TakeAdopted() {
    return std::move(adopted_);
}

voidpf ZipDeviceIo::Open(voidpf opaque, const void* name, int mode) {
    ZipDeviceIo* io = Io(opaque);
    if (!name) return nullptr;
    const QString& path = *static_cast<const QString*>(name);
    auto stream = std::make_unique<Stream>();
    if ((mode & ZLIB_FILEFUNC_MODE_CREATE) && io->adopted_) {
        stream->file = io->adopted_.get();
        stream->adopted = true;
        stream->writing = true;
    } else if (mode & ZLIB_FILEFUNC_MODE_CREATE) {
        // Hidden from the start: a half-written archive is never shown in a listing.
        stream->owned = io->fs_.Open(path, OpenMode::CreateAlways, Attr::kHidden);
        stream->writing = true;
    } else if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) == ZLIB_FILEFUNC_MODE_READ) {
        stream->owned = io->fs_.Open(path, OpenMode::Read);
    } else {
        stream->owned = io->fs_.Open(path, OpenMode::ReadWrite);
        stream->writing = true;
    }
    if (!stream->adopted) stream->file = stream->owned.get();
    if (!stream->file) {
        if (!io->failed_ && !io->openFailed_) io->cause_ = io->fs_.LastError();
        io->openFailed_ = true;
        return nullptr;
    }
    if (!stream->writing) stream->buffer.resize(size_t(kReadBuffer));
    return stream.release();
}

uLong ZipDeviceIo::Read(voidpf opaque, voidpf stream, void* buffer, uLong size) {
    Stream* s = AsStream(stream);
    char* out = static_cast<char*>(buffer);
    qint64 done = 0;
    while (done < qint64(size)) {
        const qint64 at = s->position - s->bufferStart;
        if (at < 0 || at >= s->bufferLength) {
            // minizip reads on past the end of a damaged header field by field, up to 64 KiB
            // of them: the end is asked of the file once.
            if (s->end >= 0 && s->position >= s->end) break;
            if (!Refill(s)) {
                s->failed = true;
                Io(opaque)->NoteFailure(s->file->LastError());
                return 0;
            }
            if (s->bufferLength == 0) {
                s->end = s->position;
                break;
            }
            continue;
        }
        const qint64 n = std::min(qint64(size) - done, s->bufferLength - at);
        std::memcpy(out + done, s->buffer.data() + at, size_t(n));
        done += n;
        s->position += n;
    }
    return uLong(done);
}

uLong ZipDeviceIo::Write(voidpf opaque, voidpf stream, const void* buffer, uLong size) {
    Stream* s = AsStream(stream);
    if (s->failed || !s->file->Write(static_cast<const char*>(buffer), qint64(size))) {
        if (!s->failed) Io(opaque)->NoteFailure(s->file->LastError());
        s->failed = true;
        Io(opaque)->failed_ = true;
        return 0;
    }
    return size;
}

ZPOS64_T ZipDeviceIo::Tell(voidpf opaque, voidpf stream) {
    Stream* s = AsStream(stream);
    if (!s->writing) return ZPOS64_T(s->position);
    qint64 position = s->file->Position();
    if (position < 0) {
        Io(opaque)->NoteFailure(s->file->LastError());
        return ZPOS64_T(-1);
    }
    return ZPOS64_T(position);
}

long ZipDeviceIo::Seek(voidpf opaque, voidpf stream, ZPOS64_T offset, int origin) {
    Stream* s = AsStream(stream);
    qint64 base = 0;
    switch (origin) {
        case ZLIB_FILEFUNC_SEEK_SET:
            break;
        case ZLIB_FILEFUNC_SEEK_CUR:
            base = s->writing ? s->file->Position() : s->position;
            break;
        case ZLIB_FILEFUNC_SEEK_END:
            base = s->file->Size();
            break;
        default:
            return -1;
    }
    // Offsets past 2^63 cannot name a position; a reader of a damaged archive may ask. From
    // the current position minizip also steps back (after reading an extra field), by a
    // negative offset passed as unsigned.
    qint64 target = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR && qint64(offset) < 0) {
        target = base + qint64(offset);
        if (base < 0 || target < 0) return -1;
    } else {
        if (base < 0 || offset > ZPOS64_T(INT64_MAX - base)) return -1;
        target = base + qint64(offset);
    }
    if (!s->writing) {
        s->position = target;  // the next refill seeks
        return 0;
    }
    if (!s->file->Seek(target)) {
        Io(opaque)->NoteFailure(s->file->LastError());
        return -1;
    }
    return 0;
}

int ZipDeviceIo::Close(voidpf opaque, voidpf stream) {
    std::unique_ptr<Stream> s(AsStream(stream));
    bool ok = !s->failed;
    // The archive must be on the medium before the caller deletes the originals (an adopted
    // file's owner sees to that).
    if (s->writing && ok && !s->adopted) ok = s->file->Flush();
    if (!s->adopted) ok = s->file->Close() && ok;
    if (!ok && s->writing) Io(opaque)->NoteFailure(s->file->LastError());
    return ok || !s->writing ? 0 : -1;
}

int ZipDeviceIo::Error(voidpf, voidpf stream) {
    return AsStream(stream)->failed ? 1 : 0;
}
