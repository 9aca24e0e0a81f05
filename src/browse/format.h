#pragma once

#include <QLocale>
#include <QString>

#include "platform/file_attributes.h"

// Texts of numbers, sizes, times and attribute bits for the file list and the dialogs.

// Decimal digits grouped by threes: 1,234,567,890.
QString FormatNumber(qint64 n);
// Two decimals rounded half up, the whole part grouped: 1,536.25.
QString FormatDecimal(double x);
// Below 1024 bytes "512B", else whole kilobytes rounded down: "1,500K".
QString FormatSizeText(quint64 size);
// The locale's short time format without seconds, its day period in a form this Qt prints.
QString TimeFormatWithoutSeconds(const QLocale& locale);
// The local time of a file time as the locale's short date, a space, and its time without
// seconds; by default in the interface's locale (the default locale).
QString FormatDateText(FileTime time, const QLocale& locale = QLocale(),
                       bool withTime = true);
// "A", "H", "R", "S" and "O" (in ROM or ROM module) for the bits that are set, in that order.
QString FormatAttrText(quint32 bits);
