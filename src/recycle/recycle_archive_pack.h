#pragma once

#include <QString>

#include "platform/device_fs.h"

class Progress;

struct PackResult {
    bool packed = false;     // every file packed and the archive closed without error
    bool cancelled = false;  // the user stopped it; no archive is left
    bool isFolder = false;
    quint32 attributes = 0;  // the item's attributes when packing began
    quint64 files = 0;       // files packed
    quint64 bytes = 0;       // their total size: the entry size of a folder
    DeviceError cause = DeviceError::None;  // why the device refused, when it did
};

// Packs a file, or a folder with its whole tree (files, and empty folders as folder entries;
// ROM files left out; never our own temporary files), into a new archive at archivePath,
// which must not exist (the caller chose it under the bin's lock). Entries are named after their
// own device paths, or after the same paths below entryPath when one is given. Unless the result
// says packed, no archive is left behind and the caller must not delete the item. The item
// itself is not changed here.
PackResult PackIntoArchive(DeviceFs& fs, const QString& item, const QString& archivePath,
                           Progress* progress = nullptr, const QString& entryPath = QString());
