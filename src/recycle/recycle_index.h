#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

#include "app/system_file.h"
#include "recycle/recycle_entry.h"

// The recycle index file "~Recycle.bin": the 42-byte header of the system's own files with
// the magic "NR1" ("NR0" for the old version, whose items lie unpacked in the bin), then per
// entry the archive path, the original path, the delete time (a 16-bit length of 16 and the
// eight fields), the size and the attributes (32 bits each).

inline constexpr char kRecycleIndexMagic[] = "NR1";
inline constexpr char kRecycleIndexOldMagic[] = "NR0";
inline constexpr quint16 kRecycleTimeBytes = 16;
// In a current index, marks in the attributes an old-version item that still lies unpacked, so
// that a program writing the index before converting it never has it extracted.
inline constexpr quint32 kRecyclePlainItemFlag = 0x80000000u;

// The largest well-formed file: every record at its longest.
inline constexpr qint64 kRecycleIndexMaxBytes =
    kSystemFileHeaderBytes + 0xffffLL * (2 + kSystemFileTextUnits * 2 + 2 +
                                         kSystemFileTextUnits * 2 + 2 + kRecycleTimeBytes + 4 + 4);

struct RecycleIndexContent {
    enum class Version { Unknown, Old, Current };
    Version version = Version::Unknown;
    QList<RecycleEntry> entries;
    // False when a malformed record (or the end of the data) came before the count was
    // reached; the entries before it are kept.
    bool complete = true;
};

// The whole file, always with the current magic; none when there are more than 65535
// entries or a path does not fit its field. Sizes of 4 GiB and more are stored as 0xFFFFFFFF.
std::optional<QByteArray> EncodeRecycleIndex(const QList<RecycleEntry>& entries);

// Every entry of an old index is plain. An unknown magic gives no entries. A record with a path
// over 520 bytes, a time length other than 16, or that runs past the end of the data ends the read.
RecycleIndexContent DecodeRecycleIndex(const QByteArray& data);
