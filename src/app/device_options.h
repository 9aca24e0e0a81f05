#pragma once

#include <QStringList>
#include <memory>

#include "platform/host_device_fs.h"

class SettingsStore;

// The device options shared by every program: --root DIR and --card NAME=DIR (repeatable).
struct DeviceOptions {
    HostDeviceFs::Config config;
    QStringList rest;  // the arguments that are not device options, in order
    QString error;     // set when an option is malformed
    bool defaultDevice = false;  // no --root: the per-user device
};

// Without --root the per-user default device is used, with the user's home folder mounted as
// a storage card so that their own files are reachable; without --card, removable media are
// mounted as storage cards. Nothing is created: a program that writes seeds a new default
// device first (SeedDefaultDevice).
DeviceOptions ParseDeviceOptions(const QStringList& arguments);

// Makes the default device with its standard folders when it does not exist yet.
void SeedDefaultDevice(const DeviceOptions& options);

// The settings of the device: the user's store for the default device; for a --root device
// a store of its own, so that no device takes over another's bin path, last folder or
// history ($XDG_CONFIG_HOME/<organisation>/nuvio-explorer-devices/<name>-<hash>.conf).
std::unique_ptr<SettingsStore> OpenDeviceSettings(const DeviceOptions& options);
// That file; empty for the default device.
QString DeviceSettingsFile(const DeviceOptions& options);
// The file's path below the organisation's folder.
QString DeviceSettingsName(const QString& rootDir);
