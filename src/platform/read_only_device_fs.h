#pragma once

#include "platform/device_fs.h"

// The device seen by a command that only reads: every change is refused, so that listing,
// finding or dumping creates nothing (no bin folder, no favourites file, no standard folders)
// whatever the layers above would make on the way. A lock on a missing lock file is granted
// without one: where there is no lock file there is nothing to guard.
class ReadOnlyDeviceFs : public DeviceFs {
public:
    explicit ReadOnlyDeviceFs(DeviceFs& inner) : inner_(inner) {}

    std::unique_ptr<FindHandle> FindFirst(const QString& pattern, FindData& first,
                                          bool foldersOnly = false) override;
    std::optional<quint32> GetAttributes(const QString& path) override;
    bool SetAttributes(const QString& path, quint32 attributes) override;
    bool CreateDirectory(const QString& path) override;
    bool RemoveDirectory(const QString& path) override;
    bool DeleteFile(const QString& path) override;
    bool CopyFile(const QString& source, const QString& destination) override;
    bool MoveFile(const QString& oldPath, const QString& newPath) override;
    bool ReplaceFile(const QString& source, const QString& target) override;
    std::unique_ptr<DeviceFile> Open(const QString& path, OpenMode mode,
                                     quint32 createAttributes = 0) override;
    std::unique_ptr<DeviceFile> CreateTempFile(const QString& folder, QString* path) override;
    std::unique_ptr<DeviceFile> LockFile(const QString& path) override;
    std::optional<quint32> GetPermissions(const QString& path) override;
    bool SetPermissions(const QString& path, quint32 mode) override;
    bool GetTimes(const QString& path, FileTime* creation, FileTime* access,
                  FileTime* write) override;
    bool SetTimes(const QString& path, const FileTime* creation, const FileTime* access,
                  const FileTime* write) override;
    std::optional<VolumeSpace> GetDiskFreeSpace(const QString& path) override;
    bool SyncVolume(const QString& path) override;
    QStringList StorageCards() override;
    QString HostPath(const QString& path) override;
    DeviceError LastError() const override;

private:
    bool Refuse();
    template <typename T>
    T Pass(T value) {
        refused_ = false;
        return value;
    }

    DeviceFs& inner_;
    bool refused_ = false;
};
