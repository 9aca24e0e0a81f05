#pragma once

#include <QString>

#include "platform/file_attributes.h"

class DeviceFs;

// Pure string work on device paths.
QString JoinPath(const QString& folder, const QString& name);
// The text before the last "\" ("\" for a path directly under the root); false for an empty
// path and for the root itself.
bool GetFolderPart(const QString& path, QString* folder);
bool GetFileNamePart(const QString& path, QString* name);
// The text after the last "." of the last component; false when there is none.
bool GetExtension(const QString& path, QString* extension);
// Convenience forms that return the text (empty when the helper reports false).
QString FolderPart(const QString& path);
QString FileNamePart(const QString& path);
QString Extension(const QString& path);

// True when the path names an existing file or folder. A trailing "\" is removed from the
// caller's text; the find record is filled when asked for.
bool PathExists(DeviceFs& fs, QString& path, FindData* record = nullptr);
bool PathExists(DeviceFs& fs, const QString& path, FindData* record = nullptr);

// Low 32 bits of the size, the high ones through high; 0 when the file is missing.
quint32 GetFileSizeLow(DeviceFs& fs, const QString& path, quint32* high = nullptr);
quint64 GetFileSize64(DeviceFs& fs, const QString& path);

// "\Program Files\Nuvio File Explorer", created when missing.
QString GetProgramFolder(DeviceFs& fs);

// Creates every missing folder of the path from the root down; stops at the first failure.
// True when the whole path exists afterwards.
bool MakePath(DeviceFs& fs, const QString& path);
