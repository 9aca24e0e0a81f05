#pragma once

#include <QString>
#include <QtGlobal>

// The size line of the recycle-bin dialog: "1.50 MB" from 1 MiB up, "2 KB" (whole kilobytes,
// rounded down) from 1 KiB up, else "1,023 B".
QString FormatBinUsageText(quint64 usedBytes);
