#pragma once

#include <QDateTime>
#include <QString>
#include <array>

// The platform's local-time record: year, month, day of week, day, hour, minute, second,
// milliseconds. Stored as it is in the recycle index.
struct LocalTimeRecord {
    std::array<quint16, 8> fields{};

    static LocalTimeRecord FromDateTime(const QDateTime& local);
    QDateTime ToDateTime() const;  // local time; invalid for a zero-filled record
    quint16 Year() const { return fields[0]; }
    quint16 Month() const { return fields[1]; }
    quint16 Day() const { return fields[3]; }
    bool operator==(const LocalTimeRecord&) const = default;
};

// One item in the recycle bin.
struct RecycleEntry {
    QString archivePath;   // the item's archive in the bin folder
    QString originalPath;  // where it came from; the restore target
    LocalTimeRecord deleteTime;
    quint64 size = 0;  // the index keeps 32 bits; larger sizes are stored as 0xFFFFFFFF
    quint32 attributes = 0;
    // The item lies unpacked in the bin as the file or folder it is (an old-version entry
    // not converted yet): it is copied back, never extracted, even when it is a zip itself.
    bool plain = false;
    bool IsFolder() const { return (attributes & 0x10) != 0; }
    bool operator==(const RecycleEntry&) const = default;
};
