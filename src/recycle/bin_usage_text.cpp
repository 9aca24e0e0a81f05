#include "recycle/bin_usage_text.h"

#include "browse/format.h"

QString FormatBinUsageText(quint64 usedBytes) {
    constexpr quint64 kMegabyte = 1048576;
    constexpr quint64 kKilobyte = 1024;
    // The factor is 1 / 1,048,576 as the line has always shown it.
    if (usedBytes >= kMegabyte) return FormatDecimal(double(usedBytes) * 9.536743e-7) + " MB";
    if (usedBytes < kKilobyte) return FormatNumber(qint64(usedBytes)) + " B";
    return FormatNumber(qint64(usedBytes / kKilobyte)) + " KB";
}
