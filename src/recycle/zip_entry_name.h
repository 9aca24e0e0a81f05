#pragma once

#include <QByteArray>
#include <QString>

// How device paths are named inside a recycle archive: relative to the device root with "/"
// separators, a folder with a trailing "/", UTF-8 (the zip form that other tools read), so
// "\My Documents\a.txt" is stored as "My Documents/a.txt".

QByteArray ZipEntryNameFromDevicePath(const QString& devicePath, bool isFolder);

// The one gate between archive names and the device: turns an entry name back into a device
// path, or refuses it. "/" and "\" both separate; a leading "\" (the device's own absolute
// form) is accepted, while a leading "/" (an absolute host path), drive letters, "." and "..",
// empty components, NUL and other characters no device name may hold, and paths longer than
// the device allows are refused. isFolderName tells whether the name ended with a separator.
bool DevicePathFromZipEntryName(const QString& name, QString* devicePath,
                                bool* isFolderName = nullptr);

// The text of a raw entry name: UTF-8 when flagged so or when the bytes are valid UTF-8 (as
// Info-ZIP writes them on Linux without the flag), else code page 437 as the zip format says.
// A flagged name that is not valid UTF-8 gives a null string.
QString DecodeZipEntryName(const QByteArray& raw, bool utf8Flag);
