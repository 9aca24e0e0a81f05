#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "platform/file_attributes.h"

class DeviceFs;

// The breadth-first level walk under every tree operation: no recursion and no depth limit.
// Level 0 holds the top folder alone, level d the folders at depth d in the order they were
// found. A folder whose name begins with "." is never descended into.

using FolderLevels = std::vector<std::vector<QString>>;

// Enumerates folder\*.* and calls visit for each entry. Returns false when the folder could
// not be read; true for a readable folder, empty or not (empty set when it held nothing).
// skipped, when given, receives folder\name for each host entry the device cannot show.
bool ForEachEntry(DeviceFs& fs, const QString& folder, bool* empty,
                  const std::function<bool(const FindData&)>& visit, bool foldersOnly = false,
                  QStringList* skipped = nullptr);

// Calls onFolder for each folder, level after level from the top, right after the folder was
// scanned, with its files. Subfolders found are queued for the next level. onFolder returns
// false to stop the walk.
struct WalkFolder {
    const QString& path;
    int depth;
    bool readable;  // false when the folder could not be enumerated
    bool empty;     // the enumeration found no entry at all
    const std::vector<FindData>& files;
    const std::vector<QString>& subfolders;  // names of the folders queued below this one
    const QStringList& skipped;              // host entries left out, as folder\name
};
bool WalkTopDown(DeviceFs& fs, const QString& top,
                 const std::function<bool(const WalkFolder&)>& onFolder);

// The folder levels of a tree, for walks that work from the deepest level up. With a
// measure, the files met on the way are counted too (it costs a look-up per file).
struct TreeMeasure;
FolderLevels DiscoverFolders(DeviceFs& fs, const QString& top, TreeMeasure* measure = nullptr);

// True for a subfolder the walks descend into.
inline bool IsWalkedFolder(const FindData& entry) {
    return entry.IsFolder() && !entry.name.startsWith(QLatin1Char('.'));
}
