#include "recycle/recycle_archive_entries.h"

#include <minizip/unzip.h>

#include "recycle/zip_device_io.h"
#include "recycle/zip_entry_reader.h"

ArchiveListing ReadArchiveEntries(DeviceFs& fs, const QString& archivePath) {
    ArchiveListing listing;
    ZipDeviceIo io(fs);
    unzFile zip = unzOpen2_64(&archivePath, io.Functions());
    if (!zip) {
        listing.code = io.OpenFailed() ? kArchiveUnreadable : kArchiveNotZip;
        return listing;
    }
    listing.code = ForEachZipEntry(zip, [&](const ArchiveEntry& entry) {
        listing.entries.append(entry);
        return true;
    });
    const int closed = unzClose(zip);
    if (listing.code == 0) listing.code = closed;
    return listing;
}
