#pragma once

#include <QList>
#include <QString>

class DeviceFs;
class Progress;
class RecycleArchive;
class UserPrompt;

// The one-time conversion of a bin of the old version ("NR0" index), whose items lie unpacked
// in the bin folder, into archives.

// Packs the tree of an unpacked folder into the open archive, each entry named after its
// counterpart below originalFolder (empty folders as folder entries, ROM files left out).
// True when every file was packed.
bool PackOldFolder(DeviceFs& fs, RecycleArchive& archive, const QString& oldFolder,
                   const QString& originalFolder, Progress* progress = nullptr);

// Packs one unpacked item into "<item>.nzc" (numbered when that name is taken) with entries
// named after the original path, and removes the item only once the archive is complete.
// Returns the new archive path, or an empty text when the item stays as it was.
QString CompressOldBinItem(DeviceFs& fs, const QString& itemPath, const QString& originalPath,
                           Progress* progress = nullptr);

struct OldBinItem {
    QString itemPath;  // the unpacked item in the bin, the archive path of its old entry
    QString originalPath;
    QString archivePath;  // the new archive once converted, else empty
};

// Shows message IDS_COMPRESS_RECYCLE_BIN when there is anything to convert, then converts the items
// in list order under the wait cursor. Items that cannot be converted stay unpacked (the restore
// still handles them); a cancel leaves the rest unpacked. Returns the number converted.
int CompressRecycleBin(DeviceFs& fs, UserPrompt& prompt, QList<OldBinItem>& items,
                       Progress* progress = nullptr);
