#pragma once

#include <minizip/ioapi.h>

class DeviceFile;
class DeviceFs;

// minizip's file functions over DeviceFs, so that archives are read through the device layer
// (archives are written by ZipWriter). The "file name" handed to unzOpen2_64 is a pointer to
// the device path as a QString.
class ZipDeviceIo {
public:
    explicit ZipDeviceIo(DeviceFs& fs);
    ~ZipDeviceIo();
    ZipDeviceIo(const ZipDeviceIo&) = delete;
    ZipDeviceIo& operator=(const ZipDeviceIo&) = delete;

    zlib_filefunc64_def* Functions() { return &functions_; }

    // The archive file itself could not be opened.
    bool OpenFailed() const { return openFailed_; }

private:
    static voidpf Open(voidpf opaque, const void* name, int mode);
    static uLong Read(voidpf opaque, voidpf stream, void* buffer, uLong size);
    static ZPOS64_T Tell(voidpf opaque, voidpf stream);
    static long Seek(voidpf opaque, voidpf stream, ZPOS64_T offset, int origin);
    static int Close(voidpf opaque, voidpf stream);
    static int Error(voidpf opaque, voidpf stream);

    DeviceFs& fs_;
    zlib_filefunc64_def functions_{};
    bool openFailed_ = false;
};
