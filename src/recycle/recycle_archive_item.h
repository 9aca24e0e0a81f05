#pragma once

#include <QString>
#include <optional>

#include "recycle/recycle_archive_entries.h"

// What a recycle archive holds, told from its entries alone: for an archive in the bin that
// no index record lists (a crash came between packing and writing the index).
struct ArchivedItem {
    QString originalPath;  // the deleted file or folder
    bool isFolder = false;
    quint32 attributes = 0;  // the file's stored attributes; 0x10 for a folder
    quint64 size = 0;        // total of the file entries
};

// The item is the single entry when the archive holds one whose name is the archive's item
// name; else the nearest folder above all entries whose name is the item name (the archive's
// name without ".nzc" and without a "(n)" the bin added); else the folder common to all
// entries. None when no entry has a usable name.
std::optional<ArchivedItem> InferArchivedItem(const ArchiveListing& listing,
                                              const QString& archivePath);
