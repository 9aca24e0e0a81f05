#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "platform/file_attributes.h"

class DeviceFs;

// What the properties dialog shows of a set of items: totals, the attribute states and the
// first item that still exists. Items that vanished are left out of every count.
struct PropertiesSummary {
    // The boxes read-only, hidden, archive and system, in that order.
    static constexpr std::array<quint32, 4> kBoxBits = {Attr::kReadOnly, Attr::kHidden,
                                                        Attr::kArchive, Attr::kSystem};
    enum State { kClear = 0, kSet = 1, kMixed = 2 };

    quint64 bytes = 0;
    quint64 files = 0;
    quint64 folders = 0;
    bool hasFolder = false;
    bool inRom = false;
    std::array<int, 4> states = {kClear, kClear, kClear, kClear};
    bool found = false;  // at least one item exists
    QString firstPath;
    FindData first;
};

// rootItem: the single item is the device's root, counted like a folder.
PropertiesSummary SummarizeItems(DeviceFs& fs, const QStringList& paths, bool rootItem);

// " 1.5KB (1536 位元組)", "1024.0KB (1048576 位元組)", "512 位元组" on 64 bits.
QString PropertiesSizeText(quint64 bytes);
// "3 個檔案, 1 個資料匣".
QString PropertiesContentsText(quint64 files, quint64 folders);

// The attributes after the boxes: each box that is kClear or kSet clears or sets its bit,
// kMixed (or a disabled box, passed as kMixed) leaves the file's own bit.
quint32 ApplyBoxStates(quint32 attributes, const std::array<int, 4>& boxes);
// Applies the boxes to one file; false, changing nothing, for a missing file or one in ROM.
bool ApplyAttributes(DeviceFs& fs, const QString& path, const std::array<int, 4>& boxes);
