#include "recycle/zip_dos_date.h"

#include <QDateTime>

#include "app/path_helpers.h"
#include "platform/device_fs.h"
#include "platform/file_time.h"

quint32 DosDateFromFileTime(FileTime time) {
    const QDateTime local = DateTimeFromFileTime(time).toLocalTime();
    const QDate date = local.date();
    const QTime clock = local.time();
    if (!date.isValid() || date.year() < 1980) return (1u << 5 | 1u) << 16;  // 1980-01-01
    if (date.year() > 2107) {
        return quint32((127u << 9 | 12u << 5 | 31u) << 16 | (23u << 11 | 59u << 5 | 29u));
    }
    const quint32 day = quint32((date.year() - 1980) << 9 | date.month() << 5 | date.day());
    const quint32 hms = quint32(clock.hour() << 11 | clock.minute() << 5 | clock.second() / 2);
    return day << 16 | hms;
}

FileTime FileTimeFromDosDate(quint32 dosDate) {
    const int year = 1980 + int(dosDate >> 25);
    const int month = int(dosDate >> 21) & 0xf;
    const int day = int(dosDate >> 16) & 0x1f;
    const int hour = int(dosDate >> 11) & 0x1f;
    const int minute = int(dosDate >> 5) & 0x3f;
    const int second = int(dosDate & 0x1f) * 2;
    const QDate date(year, month, day);
    const QTime clock(hour, minute, second);
    if (!date.isValid() || !clock.isValid()) return 0;
    const QDateTime local(date, clock, Qt::LocalTime);
    if (!local.isValid()) return 0;
    return FileTimeFromDateTime(local);
}

bool GetZipDosDate(DeviceFs& fs, const QString& path, quint32* dosDate) {
    FindData record;
    if (!PathExists(fs, path, &record)) return false;
    *dosDate = DosDateFromFileTime(record.lastWriteTime);
    return true;
}

bool SetExtractedTimes(DeviceFs& fs, const QString& path, quint32 dosDate) {
    const FileTime time = FileTimeFromDosDate(dosDate);
    if (time == 0) return false;
    return fs.SetTimes(path, &time, nullptr, &time);
}
