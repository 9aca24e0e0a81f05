#pragma once

#include <functional>
#include <mutex>

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
        Find
    };
    static bool IsMutating(Op op) {
        return op != Op::OpenForRead && op != Op::Read && op != Op::Find;
    }

    explicit FaultyDeviceFs(DeviceFs& inner) : inner_(inner) {}

    // Fails the n-th (1-based) mutating call from now on; 0 turns it off.
    void FailMutatingCall(int n, DeviceError error = DeviceError::DiskFull) {
        failAt_ = n;
        mutatingCalls_ = 0;
        failError_ = error;
    }
    // Fails every call for which the rule answers true.
    void FailWhen(std::function<bool(Op, const QString&)> rule,
                  DeviceError error = DeviceError::Io) {
        rule_ = std::move(rule);
        ruleError_ = error;
    }
    void Reset() {
        failAt_ = mutatingCalls_ = faults_ = 0;
        rule_ = nullptr;
    }
    int FaultsInjected() const { return faults_; }
    bool LastWasInjected() const { return lastWasInjected_; }

    // Asked once per call: true when this call is to fail.
    bool Check(Op op, const QString& path);

    std::unique_ptr<FindHandle> FindFirst(const QString& pattern, FindData& first,
                                          bool foldersOnly = false) override {
        return Check(Op::Find, pattern) ? nullptr : inner_.FindFirst(pattern, first, foldersOnly);
    }
    std::optional<quint32> GetAttributes(const QString& path) override {
        lastWasInjected_ = false;
        return inner_.GetAttributes(path);
    }
    bool SetAttributes(const QString& path, quint32 attributes) override {
        return !Check(Op::SetAttributes, path) && inner_.SetAttributes(path, attributes);
    }
    bool CreateDirectory(const QString& path) override {
        return !Check(Op::CreateDirectory, path) && inner_.CreateDirectory(path);
    }
    bool RemoveDirectory(const QString& path) override {
        return !Check(Op::RemoveDirectory, path) && inner_.RemoveDirectory(path);
    }
    bool DeleteFile(const QString& path) override {
        return !Check(Op::DeleteFile, path) && inner_.DeleteFile(path);
    }
    bool CopyFile(const QString& source, const QString& destination) override {
        return !Check(Op::CopyFile, destination) && inner_.CopyFile(source, destination);
    }
    bool MoveFile(const QString& oldPath, const QString& newPath) override {
        return !Check(Op::MoveFile, newPath) && inner_.MoveFile(oldPath, newPath);
    }
    bool ReplaceFile(const QString& source, const QString& target) override {
        return !Check(Op::ReplaceFile, target) && inner_.ReplaceFile(source, target);
    }
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
                  FileTime* write) override {
        lastWasInjected_ = false;
        return inner_.GetTimes(path, creation, access, write);
    }
    bool SetTimes(const QString& path, const FileTime* creation, const FileTime* access,
                  const FileTime* write) override {
        return !Check(Op::SetTimes, path) && inner_.SetTimes(path, creation, access, write);
    }
    std::optional<VolumeSpace> GetDiskFreeSpace(const QString& path) override {
        lastWasInjected_ = false;
        return inner_.GetDiskFreeSpace(path);
    }
    bool SyncVolume(const QString& path) override {
        return !Check(Op::Flush, path) && inner_.SyncVolume(path);
    }
    QStringList StorageCards() override { return inner_.StorageCards(); }
    QString HostPath(const QString& path) override { return inner_.HostPath(path); }
    DeviceError LastError() const override {
        return lastWasInjected_ ? injected_ : inner_.LastError();
    }

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
    std::mutex checking_;  // an archive is read back on a thread of its own
};
