#pragma once

#include <QStringList>
#include <map>

#include "support/faulty_device_fs.h"

// A device whose volumes report chosen figures and cards; a volume left out cannot be
// queried.
class FixedSpaceFs : public FaultyDeviceFs {
public:
    using FaultyDeviceFs::FaultyDeviceFs;
    QStringList cards;
    std::map<QString, VolumeSpace> spaces;

    QStringList StorageCards() override { return cards; }
    std::optional<VolumeSpace> GetDiskFreeSpace(const QString& path) override {
        auto it = spaces.find(path);
        if (it == spaces.end()) return std::nullopt;
        return it->second;
    }
};
