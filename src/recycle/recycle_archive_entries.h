#pragma once

#include <QList>
#include <QString>

#include "platform/file_attributes.h"

class DeviceFs;

// Result codes besides minizip's own (UNZ_...), as the restore reports them.
inline constexpr int kArchiveUnreadable = -1;     // the archive file cannot be opened
inline constexpr int kArchiveNotZip = -103;       // it is no zip file (an old-version item)
inline constexpr int kArchiveOutsideItem = -104;  // an entry lies outside the item restored

// The attribute bits an entry may give a restored file or folder: never the directory bit
// (the entry's kind decides), nor the ROM bits, nor another program's host bits.
inline constexpr quint32 kRestorableAttributes =
    Attr::kReadOnly | Attr::kHidden | Attr::kSystem | Attr::kArchive | Attr::kTemporary;

struct ArchiveEntry {
    QString name;  // the name as stored, decoded
    QString path;  // its device path; empty when the name is refused
    bool isFolder = false;
    quint32 attributes = 0;  // the device attribute bits (low 16 of the external ones)
    quint32 mode = 0;        // the host permission bits of a Unix-made entry; 0 when none
    quint64 size = 0;        // uncompressed
    quint64 packedSize = 0;  // compressed
    quint32 crc = 0;
    // The sizes came from the zip64 extra field, which this minizip does not read on 64-bit
    // hosts: the entry must be read without the library's size checks.
    bool zip64Sizes = false;
    quint32 dosDate = 0;
    bool encrypted = false;
};

struct ArchiveListing {
    int code = 0;  // 0, kArchiveUnreadable, kArchiveNotZip or the failing library call's code
    QList<ArchiveEntry> entries;
    bool Ok() const { return code == 0; }
};

// Reads the central directory: every entry's name, device path, kind, attributes and size.
ArchiveListing ReadArchiveEntries(DeviceFs& fs, const QString& archivePath);
