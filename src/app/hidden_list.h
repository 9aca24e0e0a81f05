#pragma once

#include <QString>

class DeviceFs;

// Desktop file managers hide the names listed in a folder's ".hidden" file (one a line);
// our hidden attribute lives where they do not look.

// Adds the item's name to its folder's ".hidden" unless it is listed; the other lines stay.
bool ListInHiddenFile(DeviceFs& fs, const QString& path);
