#pragma once

#include <QString>
#include <QtGlobal>

// The device's attribute bits and find record, shared by every layer.

namespace Attr {
inline constexpr quint32 kReadOnly = 0x1;
inline constexpr quint32 kHidden = 0x2;
inline constexpr quint32 kSystem = 0x4;
inline constexpr quint32 kDirectory = 0x10;
inline constexpr quint32 kArchive = 0x20;
inline constexpr quint32 kInRom = 0x40;
inline constexpr quint32 kNormal = 0x80;
inline constexpr quint32 kTemporary = 0x100;
inline constexpr quint32 kRomModule = 0x2000;
}  // namespace Attr

inline bool IsRomFile(quint32 attributes) {
    return (attributes & (Attr::kInRom | Attr::kRomModule)) != 0;
}
inline bool IsDirectory(quint32 attributes) {
    return (attributes & Attr::kDirectory) != 0;
}
inline bool IsStorageCard(quint32 attributes) {
    return (attributes & (Attr::kDirectory | Attr::kTemporary)) ==
           (Attr::kDirectory | Attr::kTemporary);
}

// 100-nanosecond ticks since 1601-01-01 UTC.
using FileTime = quint64;

struct FindData {
    quint32 attributes = 0;
    FileTime creationTime = 0;
    FileTime lastAccessTime = 0;
    FileTime lastWriteTime = 0;
    quint64 size = 0;
    quint64 objectId = 0;
    QString name;

    quint32 SizeLow() const { return quint32(size & 0xffffffffu); }
    quint32 SizeHigh() const { return quint32(size >> 32); }
    bool IsFolder() const { return IsDirectory(attributes); }
};
