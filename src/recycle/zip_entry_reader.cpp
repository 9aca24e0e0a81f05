#include "recycle/zip_entry_reader.h"

#include <minizip/unzip.h>
#include <QByteArray>
#include <QtEndian>

#include "recycle/zip_entry_name.h"

namespace {

constexpr uLong kFlagEncrypted = 0x0001;
constexpr uLong kFlagUtf8Names = 0x0800;
constexpr uLong kMadeByUnix = 3;

constexpr quint64 kMax32 = 0xffffffffu;
constexpr quint32 kUnixTypeMask = 0170000;
constexpr quint32 kUnixFile = 0100000;
constexpr quint32 kUnixFolder = 0040000;

// The 64-bit sizes of the zip64 extra field (id 1: the uncompressed size, then the compressed
// one, each present only where the 32-bit field holds 0xFFFFFFFF). minizip 1.1 compares with
// (unsigned long)-1 and so never reads them on a 64-bit host.
void ReadZip64Sizes(const QByteArray& extra, quint64* size, quint64* packed) {
    for (qsizetype at = 0; at + 4 <= extra.size();) {
        const quint16 id = qFromLittleEndian<quint16>(extra.constData() + at);
        const quint16 length = qFromLittleEndian<quint16>(extra.constData() + at + 2);
        const qsizetype end = at + 4 + length;
        if (end > extra.size()) return;
        if (id == 1) {
            qsizetype field = at + 4;
            for (quint64* value : {size, packed}) {
                if (*value != kMax32) continue;
                if (field + 8 > end) return;
                *value = qFromLittleEndian<quint64>(extra.constData() + field);
                field += 8;
            }
            return;
        }
        at = end;
    }
}

int DescribeCurrent(unzFile zip, ArchiveEntry* entry) {
    unz_file_info64 info{};
    int err = unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0);
    if (err != UNZ_OK) return err;
    // Sized from the header itself: no name is cut short or overruns.
    QByteArray raw(qsizetype(info.size_filename) + 1, '\0');
    QByteArray extra(qsizetype(info.size_file_extra), '\0');
    err = unzGetCurrentFileInfo64(zip, &info, raw.data(), uLong(raw.size()), extra.data(),
                                  uLong(extra.size()), nullptr, 0);
    if (err != UNZ_OK) return err;
    raw.chop(1);
    *entry = ArchiveEntry();
    entry->name = DecodeZipEntryName(raw, (info.flag & kFlagUtf8Names) != 0);
    bool folderName = false;
    if (!entry->name.isNull()) DevicePathFromZipEntryName(entry->name, &entry->path, &folderName);
    entry->attributes = quint32(info.external_fa & 0xffff);
    // minizip rewrites "made by" as 45 (host 0) when an entry needs zip64 sizes; the file type
    // bits still tell Unix permission bits from nothing.
    const quint32 unix = quint32(info.external_fa >> 16);
    const quint32 type = unix & kUnixTypeMask;
    if ((info.version >> 8) == kMadeByUnix ||
        ((info.version >> 8) == 0 && (type == kUnixFile || type == kUnixFolder))) {
        entry->mode = unix & 0777;
    }
    entry->isFolder = folderName || (entry->attributes & Attr::kDirectory);
    entry->size = info.uncompressed_size;
    entry->packedSize = info.compressed_size;
    entry->crc = quint32(info.crc);
    if (entry->size == kMax32 || entry->packedSize == kMax32) {
        ReadZip64Sizes(extra, &entry->size, &entry->packedSize);
        entry->zip64Sizes = true;
    }
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
