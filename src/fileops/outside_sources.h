#pragma once

#include <QStringList>
#include <memory>

class DeviceFs;

// Files from outside the device (dropped or pasted from another program) reach it through
// the device layer: a device like the given one, with the host folder of each outside file
// mounted as an extra storage card under a name nothing in the root has.
struct OutsideMount {
    std::unique_ptr<DeviceFs> fs;  // null when the device's volumes cannot be rebuilt
    QStringList paths;             // each host path's device path on that device, in order
};

OutsideMount MountOutsideFiles(DeviceFs& fs, const QStringList& hostPaths);
