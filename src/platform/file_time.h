#pragma once

#include <QDateTime>
#include <ctime>

#include "platform/file_attributes.h"

// Conversions between the device's file times and host clocks.

inline constexpr qint64 kFileTimeUnixEpoch = 116444736000000000LL;  // 1970-01-01 in ticks

inline FileTime FileTimeFromUnix(qint64 seconds, qint64 nanoseconds) {
    qint64 ticks = seconds * 10000000LL + nanoseconds / 100 + kFileTimeUnixEpoch;
    return ticks < 0 ? 0 : FileTime(ticks);
}

inline timespec UnixFromFileTime(FileTime time) {
    qint64 ticks = qint64(time) - kFileTimeUnixEpoch;
    qint64 seconds = ticks / 10000000LL;
    qint64 rest = ticks % 10000000LL;
    if (rest < 0) {
        rest += 10000000LL;
        --seconds;
    }
    timespec ts{};
    ts.tv_sec = time_t(seconds);
    ts.tv_nsec = long(rest * 100);
    return ts;
}

inline QDateTime DateTimeFromFileTime(FileTime time) {
    qint64 ms = (qint64(time) - kFileTimeUnixEpoch) / 10000;
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
}

inline FileTime FileTimeFromDateTime(const QDateTime& dt) {
    return FileTime(dt.toMSecsSinceEpoch() * 10000 + kFileTimeUnixEpoch);
}
