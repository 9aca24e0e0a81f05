// A recycle archive of any bytes, listed and restored on a scratch device both to the paths
// its entries name and flat into a folder: no overrun, no hang, no write outside the device.
#include <QByteArray>
#include <cstdint>

#include "fuzz_check.h"
#include "recycle/recycle_archive_extract.h"
#include "scratch_device.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static ScratchDevice device;
    const QString archive = QStringLiteral("\\~Recycle\\item.nzc");
    device.Clear();
    FUZZ_CHECK(
        device.Put(archive, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    DeviceFs& fs = device.fs();

    const ArchiveListing listing = ReadArchiveEntries(fs, archive);
    for (const ArchiveEntry& entry : listing.entries) {
        // A refused name has no path; an accepted one is a device path.
        FUZZ_CHECK(entry.path.isEmpty() || entry.path.startsWith(QLatin1Char('\\')));
        FUZZ_CHECK(!entry.path.contains(QLatin1Char('/')));
    }
    UnzipToPaths(fs, archive, false, QString());
    UnzipToPaths(fs, archive, true, QStringLiteral("\\Flat"));
    device.CheckNothingOutside();
    return 0;
}
