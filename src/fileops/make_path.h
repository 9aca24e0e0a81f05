#pragma once

#include <QString>

class DeviceFs;

// Creates every missing folder of the path from the root down; stops at the first failure.
// True when the whole path exists afterwards.
bool MakePath(DeviceFs& fs, const QString& path);
