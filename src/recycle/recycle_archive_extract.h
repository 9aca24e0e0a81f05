#pragma once

#include <QList>
#include <QString>
#include <utility>

#include "platform/device_fs.h"
#include "recycle/recycle_archive_entries.h"

class DeviceFs;
class Progress;

struct ExtractResult {
    // 0 when the archive was read to its end; kArchiveUnreadable, kArchiveNotZip, or the code
    // of the library call that ended the reading.
    int code = 0;
    bool cancelled = false;  // stopped by the user after the current entry
    quint64 files = 0;       // files written
    quint64 folders = 0;     // folder entries made, or found existing and left alone
    quint64 bytes = 0;       // bytes of the files written
    quint64 refused = 0;     // entries whose names do not lead to a place inside the device
    quint64 failed = 0;      // entries that could not be restored
    DeviceError cause = DeviceError::None;  // why the device refused the first of them
    // Entries whose names differ only in letter case from one written before them: each
    // came back under a free numbered name, (entry path, path written).
    QList<std::pair<QString, QString>> renamed;
    bool Complete() const { return code == 0 && !cancelled && refused == 0 && failed == 0; }
    bool NotAnArchive() const { return code == kArchiveNotZip; }
};

// Writes the entries of an archive back to the device paths they name (joined to destination
// when one is given; only their last component, into destination, without folders). Each
// file goes through a temporary file beside its target that replaces the target only when
// the entry was read whole with a correct checksum, so a failed restore never damages an
// existing file. Existing files are replaced (the caller asked first); existing folders keep
// their own attributes and times. Restored entries get their stored write time and
// attributes. Entries whose names are refused are skipped and counted.
// Files are written private to the user and then given the permission bits their entry
// stored (else the usual ones for a new file). Two entries differing only in letter case never
// overwrite each other: the later one is renamed as clashes are ("a(2).txt").
ExtractResult UnzipToPaths(DeviceFs& fs, const QString& archivePath, bool withoutFolders,
                           const QString& destination, Progress* progress = nullptr);

// Every entry back to the full path it names. With an item, the archive is one bin entry's:
// every entry must be that file (itemIsFolder false) or lie in that folder, else nothing is
// written and the code is kArchiveOutsideItem.
ExtractResult ExtractArchive(DeviceFs& fs, const QString& archivePath, Progress* progress = nullptr,
                             const QString& item = QString(), bool itemIsFolder = true);

// Creates a folder with every missing folder above it; false for an empty path or when the
// folder cannot be made.
bool CreateDirTree(DeviceFs& fs, const QString& path);
