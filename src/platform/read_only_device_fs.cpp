#include "platform/read_only_device_fs.h"

namespace {

// Stands for a lock that was not needed.
class NoLock : public DeviceFile {
public:
    qint64 Read(char*, qint64) override { return 0; }
    bool Write(const char*, qint64) override { return false; }
    bool Seek(qint64) override { return false; }
    qint64 Position() const override { return 0; }
    qint64 Size() const override { return 0; }
    bool GetTimes(FileTime*, FileTime*, FileTime*) const override { return false; }
    bool SetTimes(const FileTime*, const FileTime*, const FileTime*) override { return false; }
    bool Flush() override { return true; }
    bool Close() override { return true; }
    std::optional<quint32> Permissions() const override { return std::nullopt; }
    bool SetPermissions(quint32) override { return false; }
};

}  // namespace

bool ReadOnlyDeviceFs::Refuse() {
    refused_ = true;
    return false;
}

std::unique_ptr<FindHandle> ReadOnlyDeviceFs::FindFirst(const QString& pattern, FindData& first,
                                                        bool foldersOnly) {
    return Pass(inner_.FindFirst(pattern, first, foldersOnly));
}

std::optional<quint32> ReadOnlyDeviceFs::GetAttributes(const QString& path) {
    return Pass(inner_.GetAttributes(path));
}

bool ReadOnlyDeviceFs::SetAttributes(const QString&, quint32) { return Refuse(); }
bool ReadOnlyDeviceFs::CreateDirectory(const QString&) { return Refuse(); }
bool ReadOnlyDeviceFs::RemoveDirectory(const QString&) { return Refuse(); }
bool ReadOnlyDeviceFs::DeleteFile(const QString&) { return Refuse(); }
bool ReadOnlyDeviceFs::CopyFile(const QString&, const QString&) { return Refuse(); }
bool ReadOnlyDeviceFs::MoveFile(const QString&, const QString&) { return Refuse(); }
bool ReadOnlyDeviceFs::ReplaceFile(const QString&, const QString&) { return Refuse(); }

std::unique_ptr<DeviceFile> ReadOnlyDeviceFs::Open(const QString& path, OpenMode mode,
                                                   quint32 createAttributes) {
    if (mode != OpenMode::Read) {
        Refuse();
        return nullptr;
    }
    return Pass(inner_.Open(path, mode, createAttributes));
}

std::unique_ptr<DeviceFile> ReadOnlyDeviceFs::CreateTempFile(const QString&, QString*) {
    Refuse();
    return nullptr;
}

std::unique_ptr<DeviceFile> ReadOnlyDeviceFs::LockFile(const QString& path) {
    if (!inner_.GetAttributes(path)) return Pass(std::make_unique<NoLock>());
    return Pass(inner_.LockFile(path));
}

std::optional<quint32> ReadOnlyDeviceFs::GetPermissions(const QString& path) {
    return Pass(inner_.GetPermissions(path));
}

bool ReadOnlyDeviceFs::SetPermissions(const QString&, quint32) { return Refuse(); }

bool ReadOnlyDeviceFs::GetTimes(const QString& path, FileTime* creation, FileTime* access,
                                FileTime* write) {
    return Pass(inner_.GetTimes(path, creation, access, write));
}

bool ReadOnlyDeviceFs::SetTimes(const QString&, const FileTime*, const FileTime*,
                                const FileTime*) {
    return Refuse();
}

std::optional<VolumeSpace> ReadOnlyDeviceFs::GetDiskFreeSpace(const QString& path) {
    return Pass(inner_.GetDiskFreeSpace(path));
}

bool ReadOnlyDeviceFs::SyncVolume(const QString&) { return Pass(true); }
QStringList ReadOnlyDeviceFs::StorageCards() { return Pass(inner_.StorageCards()); }
QString ReadOnlyDeviceFs::HostPath(const QString& path) { return Pass(inner_.HostPath(path)); }

DeviceError ReadOnlyDeviceFs::LastError() const {
    return refused_ ? DeviceError::AccessDenied : inner_.LastError();
}
