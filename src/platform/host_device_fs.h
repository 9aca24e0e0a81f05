#pragma once

#include <QString>

#include "platform/device_fs.h"
#include "platform/host_path_resolver.h"
#include "platform/host_volumes.h"

// The device emulated over host folders: the root volume is one host folder, each storage
// card another, mounted in the root as "\<name>". Paths are found by the resolver; every
// change acts on the descriptor of the folder it found.
class HostDeviceFs : public DeviceFs {
public:
    using Card = HostVolumes::Card;
    using Config = HostVolumes::Config;

    explicit HostDeviceFs(const Config& config);

    static QString DefaultRootDir() { return HostVolumes::DefaultRootDir(); }
    static bool SeedDevice(const QString& rootDir) { return HostVolumes::SeedDevice(rootDir); }

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
    DeviceError LastError() const override { return lastError_; }

private:
    bool Resolve(const QString& path, ResolvedPath* out);
    bool ResolveExisting(const QString& path, ResolvedPath* out);
    bool Fail(DeviceError error);
    bool FailErrno(int err);
    bool WritableFile(const ResolvedPath& r);

    HostVolumes volumes_;
    HostPathResolver resolver_;
    DeviceError lastError_ = DeviceError::None;
    bool cloneFails_ = false;
};
