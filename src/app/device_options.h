#pragma once

#include <QStringList>

#include "platform/host_device_fs.h"

// The device options shared by every program: --root DIR and --card NAME=DIR (repeatable).
struct DeviceOptions {
    HostDeviceFs::Config config;
    QStringList rest;  // the arguments that are not device options, in order
    QString error;     // set when an option is malformed
};

// Without --root the per-user default device is used and seeded on first start; without
// --card, removable media are mounted as storage cards.
DeviceOptions ParseDeviceOptions(const QStringList& arguments);
