#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "platform/host_device_fs.h"

// A throw-away device for the fuzz targets: its root is the only host folder in a private
// temporary folder, so anything written outside the device shows up beside it.
class ScratchDevice {
public:
    ScratchDevice();

    DeviceFs& fs() { return *fs_; }
    // Empties the device.
    void Clear();
    // Writes a file through the device (parents made as needed); false when it could not.
    bool Put(const QString& path, const QByteArray& content);
    // Aborts, naming the entry, when anything but the root is in the private folder.
    void CheckNothingOutside() const;

private:
    QTemporaryDir dir_;
    QString root_;
    std::unique_ptr<HostDeviceFs> fs_;
};
