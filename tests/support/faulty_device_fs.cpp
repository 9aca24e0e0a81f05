#include "support/faulty_device_fs.h"

namespace {

class FaultyFile : public DeviceFile {
public:
    using Op = FaultyDeviceFs::Op;
    FaultyFile(FaultyDeviceFs* fs, std::unique_ptr<DeviceFile> inner, QString path, bool writable)
        : fs_(fs), inner_(std::move(inner)), path_(std::move(path)), writable_(writable) {}
    qint64 Read(char* buffer, qint64 count) override {
        return fs_->Check(Op::Read, path_) ? -1 : inner_->Read(buffer, count);
    }
    bool Write(const char* buffer, qint64 count) override {
        if (fs_->Check(Op::Write, path_)) {
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
        return !fs_->Check(Op::SetTimes, path_) && inner_->SetTimes(c, a, w);
    }
    bool Flush() override { return !fs_->Check(Op::Flush, path_) && inner_->Flush(); }
    std::optional<quint32> Permissions() const override { return inner_->Permissions(); }
    bool SetPermissions(quint32 mode) override {
        return !fs_->Check(Op::SetAttributes, path_) && inner_->SetPermissions(mode);
    }
    bool Close() override {
        // Closing a file that was only read writes nothing.
        if (writable_ && fs_->Check(Op::Close, path_)) {
            inner_->Close();
            return false;
        }
        return inner_->Close();
    }

    DeviceError LastError() const override {
        return fs_->LastWasInjected() ? fs_->LastError() : inner_->LastError();
    }

private:
    FaultyDeviceFs* fs_;
    std::unique_ptr<DeviceFile> inner_;
    QString path_;
    bool writable_;
};

}  // namespace

bool FaultyDeviceFs::Check(Op op, const QString& path) {
    std::lock_guard lock(checking_);
    lastWasInjected_ = false;
    const bool counted = IsMutating(op) && ++mutatingCalls_ == failAt_ && failAt_ > 0;
    if (!counted && !(rule_ && rule_(op, path))) return false;
    ++faults_;
    lastWasInjected_ = true;
    injected_ = counted ? failError_ : ruleError_;
    return true;
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
