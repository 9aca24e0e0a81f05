#pragma once

#include <functional>

#include "platform/device_fs.h"

// Wraps a DeviceFs and fails chosen calls, to prove that a fault (disk full, I/O error, a
// vanished entry) at any step loses nothing.
class FaultyDeviceFs : public DeviceFs {
public:
    enum class Op {
        SetAttributes,
        CreateDirectory,
        RemoveDirectory,
        DeleteFile,
        CopyFile,
        MoveFile,
        ReplaceFile,
        OpenForWrite,
        Write,
        Flush,
        Close,
        SetTimes,
        OpenForRead,
        Read,
        Find,
    };
    static bool IsMutating(Op op) {
        return op != Op::OpenForRead && op != Op::Read && op != Op::Find;
    }

    explicit FaultyDeviceFs(DeviceFs& inner) : inner_(inner) {}

    // Fails the n-th (1-based) mutating call from now on; 0 turns it off.
    void FailMutatingCall(int n, DeviceError error = DeviceError::DiskFull);
    // Fails every call for which the rule answers true.
    void FailWhen(std::function<bool(Op, const QString&)> rule,
                  DeviceError error = DeviceError::Io);
    void Reset();
    int MutatingCalls() const { return mutatingCalls_; }
    int FaultsInjected() const { return faults_; }

    // Asked once per call: true when this call is to fail.
    bool Check(Op op, const QString& path);

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
    std::unique_ptr<DeviceFile> LockFile(const QString& path) override {
        return inner_.LockFile(path);
    }
    std::optional<quint32> GetPermissions(const QString& path) override {
        return inner_.GetPermissions(path);
    }
    bool SetPermissions(const QString& path, quint32 mode) override {
        return !Check(Op::SetAttributes, path) && inner_.SetPermissions(path, mode);
    }
    bool GetTimes(const QString& path, FileTime* creation, FileTime* access,
                  FileTime* write) override;
    bool SetTimes(const QString& path, const FileTime* creation, const FileTime* access,
                  const FileTime* write) override;
    std::optional<VolumeSpace> GetDiskFreeSpace(const QString& path) override;
    bool SyncVolume(const QString& path) override;
    QStringList StorageCards() override { return inner_.StorageCards(); }
    QString HostPath(const QString& path) override { return inner_.HostPath(path); }
    DeviceError LastError() const override;

private:
    DeviceFs& inner_;
    int failAt_ = 0;
    int mutatingCalls_ = 0;
    int faults_ = 0;
    DeviceError failError_ = DeviceError::DiskFull;
    std::function<bool(Op, const QString&)> rule_;
    DeviceError ruleError_ = DeviceError::Io;
    bool lastWasInjected_ = false;
    DeviceError injected_ = DeviceError::None;
};
