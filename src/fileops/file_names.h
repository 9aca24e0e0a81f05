#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

class DeviceFs;
class SettingsStore;

// Deletes a file, clearing its read-only bit and trying once more when the first try fails.
bool DeleteFileForce(DeviceFs& fs, const QString& path);

// The path itself when free, else "name(2).ext", "name(3).ext", ... (no space). A path whose
// case-folded form is in reserved counts as taken too (names a run has claimed but not made).
QString MakeUniqueName(DeviceFs& fs, const QString& path, const QSet<QString>* reserved = nullptr);

// "新資料匣", else "新資料匣 (2)", "新資料匣 (3)", ... in the parent folder.
QString MakeNewFolderName(DeviceFs& fs, const QString& parent);

// Free bytes available on the volume of the nearest existing folder of the path; 0 on failure.
quint64 GetFreeSpace(DeviceFs& fs, const QString& path);

// The storage card chosen in the settings ("RecycleBin"/"StorageCard") when it is mounted:
// "\<name>", or the bare name when asked. False, with an empty text, otherwise.
bool GetStorageCardFolder(DeviceFs& fs, const SettingsStore& settings, QString* folder,
                          bool bareName = false);

// The names of the mounted storage cards in the order the root lists them.
QStringList ListStorageCards(DeviceFs& fs);
int CountStorageCards(DeviceFs& fs);
