#include "recycle/zip_entry_reader.h"

#include <minizip/unzip.h>
#include <QByteArray>

#include "recycle/zip_entry_name.h"

namespace {

constexpr uLong kFlagEncrypted = 0x0001;
constexpr uLong kFlagUtf8Names = 0x0800;
constexpr uLong kMadeByUnix = 3;

int DescribeCurrent(unzFile zip, ArchiveEntry* entry) {
    unz_file_info64 info{};
    int err = unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0);
    if (err != UNZ_OK) return err;
    // Sized from the header itself: no name is cut short or overruns.
    QByteArray raw(qsizetype(info.size_filename) + 1, '\0');
    err =
        unzGetCurrentFileInfo64(zip, &info, raw.data(), uLong(raw.size()), nullptr, 0, nullptr, 0);
    if (err != UNZ_OK) return err;
    raw.chop(1);
    *entry = ArchiveEntry();
    entry->name = DecodeZipEntryName(raw, (info.flag & kFlagUtf8Names) != 0);
    bool folderName = false;
    if (!entry->name.isNull()) DevicePathFromZipEntryName(entry->name, &entry->path, &folderName);
    entry->attributes = quint32(info.external_fa & 0xffff);
    if ((info.version >> 8) == kMadeByUnix) entry->mode = quint32(info.external_fa >> 16) & 0777;
    entry->isFolder = folderName || (entry->attributes & Attr::kDirectory);
    entry->size = info.uncompressed_size;
    entry->dosDate = quint32(info.dosDate);
    entry->encrypted = (info.flag & kFlagEncrypted) != 0;
    return UNZ_OK;
}

}  // namespace

int ForEachZipEntry(void* unzipFile, const std::function<bool(const ArchiveEntry&)>& visit) {
    unzFile zip = static_cast<unzFile>(unzipFile);
    unz_global_info64 global{};
    int err = unzGetGlobalInfo64(zip, &global);
    if (err != UNZ_OK) return err;
    // An archive without entries has no first entry to go to.
    if (global.number_entry == 0) return UNZ_OK;
    err = unzGoToFirstFile(zip);
    while (err == UNZ_OK) {
        ArchiveEntry entry;
        err = DescribeCurrent(zip, &entry);
        if (err != UNZ_OK) return err;
        if (!visit(entry)) return UNZ_OK;
        err = unzGoToNextFile(zip);
    }
    return err == UNZ_END_OF_LIST_OF_FILE ? UNZ_OK : err;
}
