#include "platform/faulty_device_fs.h"

namespace {

class FaultyFile : public DeviceFile {
public:
    FaultyFile(FaultyDeviceFs* fs, std::unique_ptr<DeviceFile> inner, QString path, bool writable)
        : fs_(fs), inner_(std::move(inner)), path_(std::move(path)), writable_(writable) {}
    qint64 Read(char* buffer, qint64 count) override {
        if (fs_->Check(FaultyDeviceFs::Op::Read, path_)) return -1;
        return inner_->Read(buffer, count);
    }
    bool Write(const char* buffer, qint64 count) override {
        if (fs_->Check(FaultyDeviceFs::Op::Write, path_)) {
            // A full disk takes part of the data before it fails.
            inner_->Write(buffer, count / 2);
            return false;
        }
        return inner_->Write(buffer, count);
    }
    bool Seek(qint64 position) override { return inner_->Seek(position); }
    qint64 Position() const override { return inner_->Position(); }
    qint64 Size() const override { return inner_->Size(); }
    bool GetTimes(FileTime* c, FileTime* a, FileTime* w) const override {
        return inner_->GetTimes(c, a, w);
    }
    bool SetTimes(const FileTime* c, const FileTime* a, const FileTime* w) override {
        if (fs_->Check(FaultyDeviceFs::Op::SetTimes, path_)) return false;
        return inner_->SetTimes(c, a, w);
    }
    bool Flush() override {
        if (fs_->Check(FaultyDeviceFs::Op::Flush, path_)) return false;
        return inner_->Flush();
    }
    std::optional<quint32> Permissions() const override { return inner_->Permissions(); }
    bool SetPermissions(quint32 mode) override {
        if (fs_->Check(FaultyDeviceFs::Op::SetAttributes, path_)) return false;
        return inner_->SetPermissions(mode);
    }
    bool Close() override {
        // Closing a file that was only read writes nothing.
        if (writable_ && fs_->Check(FaultyDeviceFs::Op::Close, path_)) {
            inner_->Close();
            return false;
        }
        return inner_->Close();
    }

private:
    FaultyDeviceFs* fs_;
    std::unique_ptr<DeviceFile> inner_;
    QString path_;
    bool writable_;
};

}  // namespace

void FaultyDeviceFs::FailMutatingCall(int n, DeviceError error) {
    failAt_ = n;
    mutatingCalls_ = 0;
    failError_ = error;
}

void FaultyDeviceFs::FailWhen(std::function<bool(Op, const QString&)> rule, DeviceError error) {
    rule_ = std::move(rule);
    ruleError_ = error;
}

void FaultyDeviceFs::Reset() {
    failAt_ = 0;
    mutatingCalls_ = 0;
    faults_ = 0;
    rule_ = nullptr;
}

bool FaultyDeviceFs::Check(Op op, const QString& path) {
    lastWasInjected_ = false;
    if (IsMutating(op)) {
        ++mutatingCalls_;
        if (failAt_ > 0 && mutatingCalls_ == failAt_) {
            ++faults_;
            lastWasInjected_ = true;
            injected_ = failError_;
            return true;
        }
    }
    if (rule_ && rule_(op, path)) {
        ++faults_;
        lastWasInjected_ = true;
        injected_ = ruleError_;
        return true;
    }
    return false;
}

DeviceError FaultyDeviceFs::LastError() const {
    return lastWasInjected_ ? injected_ : inner_.LastError();
}

std::unique_ptr<FindHandle> FaultyDeviceFs::FindFirst(const QString& pattern, FindData& first,
                                                      bool foldersOnly) {
    if (Check(Op::Find, pattern)) return nullptr;
    return inner_.FindFirst(pattern, first, foldersOnly);
}

std::optional<quint32> FaultyDeviceFs::GetAttributes(const QString& path) {
    lastWasInjected_ = false;
    return inner_.GetAttributes(path);
}

bool FaultyDeviceFs::SetAttributes(const QString& path, quint32 attributes) {
    return !Check(Op::SetAttributes, path) && inner_.SetAttributes(path, attributes);
}

bool FaultyDeviceFs::CreateDirectory(const QString& path) {
    return !Check(Op::CreateDirectory, path) && inner_.CreateDirectory(path);
}

bool FaultyDeviceFs::RemoveDirectory(const QString& path) {
    return !Check(Op::RemoveDirectory, path) && inner_.RemoveDirectory(path);
}

bool FaultyDeviceFs::DeleteFile(const QString& path) {
    return !Check(Op::DeleteFile, path) && inner_.DeleteFile(path);
}

bool FaultyDeviceFs::CopyFile(const QString& source, const QString& destination) {
    return !Check(Op::CopyFile, destination) && inner_.CopyFile(source, destination);
}

bool FaultyDeviceFs::MoveFile(const QString& oldPath, const QString& newPath) {
    return !Check(Op::MoveFile, newPath) && inner_.MoveFile(oldPath, newPath);
}

bool FaultyDeviceFs::ReplaceFile(const QString& source, const QString& target) {
    return !Check(Op::ReplaceFile, target) && inner_.ReplaceFile(source, target);
}

std::unique_ptr<DeviceFile> FaultyDeviceFs::Open(const QString& path, OpenMode mode,
                                                 quint32 createAttributes) {
    if (Check(mode == OpenMode::Read ? Op::OpenForRead : Op::OpenForWrite, path)) return nullptr;
    auto file = inner_.Open(path, mode, createAttributes);
    if (!file) return nullptr;
    return std::make_unique<FaultyFile>(this, std::move(file), path, mode != OpenMode::Read);
}

std::unique_ptr<DeviceFile> FaultyDeviceFs::CreateTempFile(const QString& folder, QString* path) {
    if (Check(Op::OpenForWrite, folder)) return nullptr;
    auto file = inner_.CreateTempFile(folder, path);
    if (!file) return nullptr;
    return std::make_unique<FaultyFile>(this, std::move(file), *path, true);
}

bool FaultyDeviceFs::GetTimes(const QString& path, FileTime* creation, FileTime* access,
                              FileTime* write) {
    lastWasInjected_ = false;
    return inner_.GetTimes(path, creation, access, write);
}

bool FaultyDeviceFs::SetTimes(const QString& path, const FileTime* creation, const FileTime* access,
                              const FileTime* write) {
    return !Check(Op::SetTimes, path) && inner_.SetTimes(path, creation, access, write);
}

bool FaultyDeviceFs::SyncVolume(const QString& path) {
    return !Check(Op::Flush, path) && inner_.SyncVolume(path);
}

std::optional<VolumeSpace> FaultyDeviceFs::GetDiskFreeSpace(const QString& path) {
    lastWasInjected_ = false;
    return inner_.GetDiskFreeSpace(path);
}
