#pragma once

#include <minizip/ioapi.h>

#include <memory>

#include "platform/device_fs.h"


// minizip's file functions over DeviceFs, so that archives are read and written through the
// device layer (and a fault-injecting wrapper reaches every write). The "file name" handed to
// zipOpen2_64/unzOpen2_64 is a pointer to the device path as a QString.
class ZipDeviceIo {
public:
    explicit ZipDeviceIo(DeviceFs& fs);
    ~ZipDeviceIo();
    ZipDeviceIo(const ZipDeviceIo&) = delete;
    ZipDeviceIo& operator=(const ZipDeviceIo&) = delete;

    zlib_filefunc64_def* Functions() { return &functions_; }

    // A read, write, seek, flush or close failed since the last Reset. minizip does not pass
    // every failure on, so writers check this besides the library's result.
    bool Failed() const { return failed_; }
    // The archive file itself could not be opened.
    bool OpenFailed() const { return openFailed_; }
    // Why the first of those failures failed.
    DeviceError Cause() const { return cause_; }
    void Reset() {
        failed_ = false;
        openFailed_ = false;
        cause_ = DeviceError::None;
    }

    // The next archive created writes into this open file instead of opening its path; closing
    // the archive keeps it open and unflushed (a temporary file stays marked live until it
    // has been renamed into place; its owner flushes it), to be taken back with TakeAdopted.
    void Adopt(std::unique_ptr<DeviceFile> file);
    std::unique_ptr<DeviceFile> TakeAdopted();
    DeviceFile* Adopted() const { return adopted_.get(); }

private:
    static voidpf Open(voidpf opaque, const void* name, int mode);
    static uLong Read(voidpf opaque, voidpf stream, void* buffer, uLong size);
    static uLong Write(voidpf opaque, voidpf stream, const void* buffer, uLong size);
    static ZPOS64_T Tell(voidpf opaque, voidpf stream);
    static long Seek(voidpf opaque, voidpf stream, ZPOS64_T offset, int origin);
    static int Close(voidpf opaque, voidpf stream);
    static int Error(voidpf opaque, voidpf stream);

    DeviceFs& fs_;
    std::unique_ptr<DeviceFile> adopted_;
    zlib_filefunc64_def functions_{};
    void NoteFailure(DeviceError cause) {
        if (!failed_ && !openFailed_) cause_ = cause;
        failed_ = true;
    }

    bool failed_ = false;
    bool openFailed_ = false;
    DeviceError cause_ = DeviceError::None;
};
