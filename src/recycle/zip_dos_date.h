#pragma once

#include <QString>
#include <QtGlobal>

#include "platform/file_attributes.h"

class DeviceFs;

// The MS-DOS date and time of zip entries: local time, two-second steps, years 1980 to 2107.

// High 16 bits the date, low 16 bits the time. Times outside the format's years are clamped
// to its first or last moment; seconds are rounded down to an even number.
quint32 DosDateFromFileTime(FileTime time);
// 0 when the value is no valid date and time.
FileTime FileTimeFromDosDate(quint32 dosDate);

// The DOS date and time of a path's last-write time; false, leaving dosDate untouched, when
// the path does not exist.
bool GetZipDosDate(DeviceFs& fs, const QString& path, quint32* dosDate);

// Gives a restored file or folder the entry's time as its creation and last-write time,
// keeping its last-access time. False when the value is no valid time or the times cannot be
// set.
bool SetExtractedTimes(DeviceFs& fs, const QString& path, quint32 dosDate);
