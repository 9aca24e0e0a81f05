#include "platform/host_device_fs.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <QFile>
#include <cerrno>

#include "platform/device_path.h"
#include "platform/host_attributes.h"
#include "platform/host_file.h"
#include "platform/host_find_handle.h"
#include "platform/host_io.h"

HostDeviceFs::HostDeviceFs(const Config& config) : volumes_(config), resolver_(volumes_) {}

bool HostDeviceFs::Resolve(const QString& path, ResolvedPath* out) {
    return resolver_.Resolve(path, out, &lastError_);
}

bool HostDeviceFs::ResolveExisting(const QString& path, ResolvedPath* out) {
    if (!Resolve(path, out)) return false;
    return out->exists ? true : Fail(DeviceError::NotFound);
}

bool HostDeviceFs::Fail(DeviceError error) {
    lastError_ = error;
    return false;
}

bool HostDeviceFs::FailErrno(int err) {
    return Fail(ErrorFromErrno(err));
}

std::unique_ptr<FindHandle> HostDeviceFs::FindFirst(const QString& pattern, FindData& first,
                                                    bool foldersOnly) {
    int cut = pattern.lastIndexOf(QLatin1Char('\\'));
    if (cut < 0) {
        Fail(DeviceError::InvalidPath);
        return nullptr;
    }
    QString namePattern = pattern.mid(cut + 1);
    ResolvedPath r;
    if (!HasWildcards(namePattern)) {
        // A plain path: the one entry it names.
        if (namePattern.isEmpty() || !ResolveExisting(pattern, &r)) {
            if (namePattern.isEmpty()) Fail(DeviceError::InvalidPath);
            return nullptr;
        }
        const HostStat& st = r.st;
        QString name = r.isVolumeRoot ? r.volume->name : DecodeHostName(r.name.constData());
        quint32 attributes = r.isVolumeRoot ? Attr::kDirectory | Attr::kTemporary
                                            : ReadHostAttributes(r.host, st, name,
                                                                 r.volume->readOnly, r.volume->fat);
        FillFind(st, attributes, name, &first);
        return std::make_unique<HostFindHandle>(volumes_, r.volume, -1, QByteArray(), QString(),
                                                QList<FindData>());
    }
    QString folder = cut == 0 ? QStringLiteral("\\") : pattern.left(cut);
    if (!ResolveExisting(folder, &r)) return nullptr;
    if (!r.isDir) {
        Fail(DeviceError::NotFound);
        return nullptr;
    }
    QList<FindData> cards;
    if (r.isVolumeRoot && r.volume == &volumes_.root()) {
        for (const HostVolume* card : volumes_.MountedCards()) {
            if (!MatchPattern(namePattern, card->name)) continue;
            HostStat st;
            if (!StatHost(card->hostRoot, &st)) continue;
            FindData fd;
            FillFind(st, Attr::kDirectory | Attr::kTemporary, card->name, &fd);
            cards.append(fd);
        }
    }
    const int folderFd = r.OpenEntry(O_RDONLY | O_DIRECTORY);
    const int openError = errno;
    auto handle =
        std::make_unique<HostFindHandle>(volumes_, r.volume, folderFd, r.host, namePattern, cards);
    handle->SetFoldersOnly(foldersOnly);
    if (!handle->Valid() || !handle->Next(first)) {
        // A folder whose only entries cannot be shown is not empty: a walk must say so.
        Fail(!handle->Valid()              ? ErrorFromErrno(openError)
             : handle->Skipped().isEmpty() ? DeviceError::NotFound
                                           : DeviceError::InvalidPath);
        return nullptr;
    }
    return handle;
}

std::optional<quint32> HostDeviceFs::GetAttributes(const QString& path) {
    ResolvedPath r;
    if (!ResolveExisting(path, &r)) return std::nullopt;
    if (r.isVolumeRoot) {
        return r.volume == &volumes_.root() ? Attr::kDirectory
                                            : Attr::kDirectory | Attr::kTemporary;
    }
    QString name = path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
    return ReadHostAttributes(r.host, r.st, name, r.volume->readOnly, r.volume->fat);
}

bool HostDeviceFs::SetAttributes(const QString& path, quint32 attributes) {
    ResolvedPath r;
    if (!ResolveExisting(path, &r)) return false;
    if (r.volume->readOnly) return Fail(DeviceError::WriteProtected);
    if (r.isVolumeRoot) return Fail(DeviceError::AccessDenied);
    QString name = path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
    const QByteArray at = r.At();
    quint32 current = ReadHostAttributes(at, r.st, name, false, r.volume->fat);
    if (IsRomFile(current)) return Fail(DeviceError::AccessDenied);
    int err = 0;
    if (!WriteHostAttributes(at, r.st, current, attributes, r.volume->fat, &err)) {
        return FailErrno(err);
    }
    // Some file systems take a change and keep nothing (fixed permissions, no extended
    // attributes): a change that did not stick is a failure, not a success.
    constexpr quint32 kStored = Attr::kReadOnly | Attr::kHidden | Attr::kSystem | Attr::kArchive |
                                Attr::kInRom | Attr::kTemporary | Attr::kRomModule;
    HostStat after;
    if (!StatAt(r.dir, r.name, &after)) return FailErrno(errno);
    quint32 stored = ReadHostAttributes(at, after, name, false, r.volume->fat);
    if ((stored & kStored) != (attributes & kStored)) return Fail(DeviceError::Unsupported);
    return true;
}

bool HostDeviceFs::CreateDirectory(const QString& path) {
    ResolvedPath r;
    if (!Resolve(path, &r)) return false;
    if (r.exists) return Fail(DeviceError::Exists);
    if (r.volume->readOnly) return Fail(DeviceError::WriteProtected);
    if (mkdirat(r.dir, r.name.constData(), 0777) != 0) return FailErrno(errno);
    resolver_.NoteEntry(r, r.name, true);
    return true;
}

bool HostDeviceFs::RemoveDirectory(const QString& path) {
    ResolvedPath r;
    if (!ResolveExisting(path, &r)) return false;
    if (!r.isDir) return Fail(DeviceError::NotFound);
    if (r.volume->readOnly) return Fail(DeviceError::WriteProtected);
    if (r.isVolumeRoot) return Fail(DeviceError::AccessDenied);
    if (unlinkat(r.dir, r.name.constData(), AT_REMOVEDIR) != 0) return FailErrno(errno);
    resolver_.ForgetFolder(r.host);
    resolver_.NoteEntry(r, r.name, false);
    return true;
}

bool HostDeviceFs::WritableFile(const ResolvedPath& r) {
    // Reads only: a wrong answer can refuse or allow a change, which acts on the descriptor.
    if (r.volume->readOnly) return Fail(DeviceError::WriteProtected);
    quint32 a = ReadHostAttributes(r.host, r.st, QString(), r.volume->readOnly, r.volume->fat);
    if (IsRomFile(a) || (a & Attr::kReadOnly)) return Fail(DeviceError::AccessDenied);
    return true;
}

bool HostDeviceFs::DeleteFile(const QString& path) {
    ResolvedPath r;
    if (!ResolveExisting(path, &r)) return false;
    if (r.isDir) return Fail(DeviceError::AccessDenied);
    if (!WritableFile(r)) return false;
    if (unlinkat(r.dir, r.name.constData(), 0) != 0) return FailErrno(errno);
    resolver_.NoteEntry(r, r.name, false);
    return true;
}

bool HostDeviceFs::CopyFile(const QString& source, const QString& destination) {
    ResolvedPath src, dst;
    if (!ResolveExisting(source, &src)) return false;
    if (src.isDir) return Fail(DeviceError::AccessDenied);
    const HostStat st = src.st;
    if (src.volume->readOnly || HasOwnRomBits(src.host)) return Fail(DeviceError::AccessDenied);
    if (!Resolve(destination, &dst)) return false;
    if (dst.exists) {
        if (dst.isDir || dst.isVolumeRoot) return Fail(DeviceError::AccessDenied);
        if (dst.host == src.host) return Fail(DeviceError::AccessDenied);
        if (!WritableFile(dst)) return false;
    }
    if (dst.volume->readOnly) return Fail(DeviceError::WriteProtected);
    // FAT holds files below 4 GiB: refuse before writing gigabytes that cannot stay.
    if (dst.volume->fat && st.size > 0xffffffffULL) return Fail(DeviceError::DiskFull);

    // Written under a temporary name and renamed over the destination only when complete:
    // a failed or killed copy never leaves a partial file under the final name.
    resolver_.SweepLeftovers(dst.host.left(dst.host.lastIndexOf('/')), dst.dir);
    int in = src.OpenEntry(O_RDONLY);
    if (in < 0) return FailErrno(errno);
    const QByteArray temp = HostTempName();
    int out = openat(dst.dir, temp.constData(),
                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (out < 0) {
        int err = errno;
        close(in);
        return FailErrno(err);
    }
    flock(out, LOCK_EX | LOCK_NB);
    int err = 0;
    bool ok = CopyHostContent(in, out, qint64(st.size), &cloneFails_, &err);
    if (ok && !CopyHostAttributes(src.host, out, st.mode, dst.volume->fat)) {
        ok = false;
        err = errno;
    }
    if (ok) {
        timespec times[2] = {{st.accessSec, st.accessNsec}, {st.writeSec, st.writeNsec}};
        futimens(out, times);
    }
    close(in);
    if (ok && renameat2(dst.dir, temp.constData(), dst.dir, dst.name.constData(),
                        dst.exists ? 0 : RENAME_NOREPLACE) != 0) {
        // Some file systems cannot refuse to replace; the name was free a moment ago.
        if (errno == EINVAL && !dst.exists &&
            renameat(dst.dir, temp.constData(), dst.dir, dst.name.constData()) == 0) {
        } else {
            ok = false;
            err = errno;
        }
    }
    close(out);
    if (!ok) {
        unlinkat(dst.dir, temp.constData(), 0);
        return FailErrno(err ? err : EIO);
    }
    resolver_.NoteEntry(dst, dst.name, true);
    return true;
}

bool HostDeviceFs::MoveFile(const QString& oldPath, const QString& newPath) {
    ResolvedPath from, to;
    if (!ResolveExisting(oldPath, &from)) return false;
    if (from.volume->readOnly) return Fail(DeviceError::WriteProtected);
    if (from.isVolumeRoot) return Fail(DeviceError::AccessDenied);
    const HostStat& st = from.st;
    if (!st.isDir &&
        IsRomFile(ReadHostAttributes(from.host, st, QString(), false, from.volume->fat))) {
        return Fail(DeviceError::AccessDenied);
    }
    if (!Resolve(newPath, &to)) return false;
    if (to.volume->readOnly) return Fail(DeviceError::WriteProtected);
    if (to.isVolumeRoot) return Fail(DeviceError::AccessDenied);
    QByteArray target = to.name;
    if (to.exists) {
        if (to.host != from.host) return Fail(DeviceError::Exists);
        // The same entry in other letters: take the new spelling.
        target = EncodeHostName(newPath.mid(newPath.lastIndexOf(QLatin1Char('\\')) + 1));
        if (target == from.name) return true;
    }
    if (to.volume != from.volume) {
        // Across volumes only files move: copy, then remove the original.
        if (st.isDir) return Fail(DeviceError::Unsupported);
        if (!CopyFile(oldPath, newPath)) return false;
        if (unlinkat(from.dir, from.name.constData(), 0) != 0) return FailErrno(errno);
        resolver_.NoteEntry(from, from.name, false);
        return true;
    }
    const QByteArray targetHost = to.host.left(to.host.lastIndexOf('/') + 1) + target;
    if (st.isDir && (targetHost + '/').startsWith(from.host + '/')) {
        return Fail(DeviceError::InvalidPath);  // into its own subtree
    }
    if (renameat2(from.dir, from.name.constData(), to.dir, target.constData(),
                  to.exists ? 0 : RENAME_NOREPLACE) != 0) {
        return FailErrno(errno);
    }
    if (st.isDir) resolver_.ForgetFolder(from.host);
    resolver_.NoteEntry(from, from.name, false);
    resolver_.NoteEntry(to, target, true);
    return true;
}

bool HostDeviceFs::ReplaceFile(const QString& source, const QString& target) {
    ResolvedPath src, dst;
    if (!ResolveExisting(source, &src)) return false;
    if (src.isDir) return Fail(DeviceError::AccessDenied);
    if (!Resolve(target, &dst)) return false;
    if (dst.volume != src.volume || dst.volume->readOnly) return Fail(DeviceError::AccessDenied);
    if (dst.exists) {
        if (dst.isDir) return Fail(DeviceError::AccessDenied);
        if (!WritableFile(dst)) return false;
        int fd = src.OpenEntry(O_RDONLY);
        if (fd < 0) return FailErrno(errno);
        bool ok = CopyHostAttributes(dst.host, fd, dst.st.mode, dst.volume->fat);
        close(fd);
        if (!ok) return FailErrno(errno);
    }
    if (renameat(src.dir, src.name.constData(), dst.dir, dst.name.constData()) != 0) {
        return FailErrno(errno);
    }
    resolver_.NoteEntry(src, src.name, false);
    resolver_.NoteEntry(dst, dst.name, true);
    return true;
}

std::unique_ptr<DeviceFile> HostDeviceFs::Open(const QString& path, OpenMode mode,
                                               quint32 createAttributes) {
    ResolvedPath r;
    if (mode == OpenMode::CreateAlways ? !Resolve(path, &r) : !ResolveExisting(path, &r)) {
        return nullptr;
    }
    if (r.exists && r.isDir) {
        Fail(DeviceError::AccessDenied);
        return nullptr;
    }
    int flags = 0;
    if (mode == OpenMode::Read) {
        flags |= O_RDONLY;
    } else {
        if (r.volume->readOnly || (r.exists && !WritableFile(r))) {
            Fail(r.volume->readOnly ? DeviceError::WriteProtected : DeviceError::AccessDenied);
            return nullptr;
        }
        flags |= mode == OpenMode::ReadWrite ? O_RDWR : (O_WRONLY | O_CREAT | O_TRUNC);
    }
    int fd = openat(r.dir, r.name.constData(), flags | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        FailErrno(errno);
        return nullptr;
    }
    if (!r.exists && mode == OpenMode::CreateAlways) resolver_.NoteEntry(r, r.name, true);
    if (mode == OpenMode::CreateAlways && createAttributes != 0) {
        HostStat st;
        bool link = false;
        HostStatAt(fd, "", &st, &link);
        QString name = path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
        const QByteArray at = r.At();
        quint32 current = ReadHostAttributes(at, st, name, false, r.volume->fat);
        int err = 0;
        quint32 wanted = (current & ~quint32(0x27)) | (createAttributes & 0x26) | Attr::kArchive;
        if (!WriteHostAttributes(at, st, current, wanted, r.volume->fat, &err)) {
            close(fd);
            FailErrno(err);
            return nullptr;
        }
    }
    return MakeHostFile(fd);
}

std::unique_ptr<DeviceFile> HostDeviceFs::CreateTempFile(const QString& folder, QString* path) {
    ResolvedPath r;
    if (!ResolveExisting(folder, &r)) return nullptr;
    if (!r.isDir || r.volume->readOnly) {
        Fail(r.isDir ? DeviceError::WriteProtected : DeviceError::NotFound);
        return nullptr;
    }
    const int folderFd = r.OpenEntry(O_PATH | O_DIRECTORY);
    if (folderFd < 0) {
        FailErrno(errno);
        return nullptr;
    }
    resolver_.SweepLeftovers(r.host, folderFd);
    int fd = -1;
    QByteArray name;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        name = HostTempName();
        fd = openat(folderFd, name.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    0600);
        if (fd < 0 && errno != EEXIST) break;
    }
    const int err = errno;
    if (fd >= 0) resolver_.NoteTempEntry(r.host, folderFd);
    close(folderFd);
    if (fd < 0) {
        FailErrno(err);
        return nullptr;
    }
    flock(fd, LOCK_EX | LOCK_NB);  // marks it live for other processes
    *path = (folder.endsWith(QLatin1Char('\\')) ? folder : folder + QLatin1Char('\\')) +
            QString::fromLatin1(name);
    return MakeHostFile(fd);
}

std::unique_ptr<DeviceFile> HostDeviceFs::LockFile(const QString& path) {
    ResolvedPath r;
    if (!Resolve(path, &r)) return nullptr;
    if (r.exists && r.isDir) {
        Fail(DeviceError::AccessDenied);
        return nullptr;
    }
    int fd = openat(r.dir, r.name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        FailErrno(errno);
        return nullptr;
    }
    while (flock(fd, LOCK_EX) != 0) {
        if (errno == EINTR) continue;
        int err = errno;
        close(fd);
        FailErrno(err);
        return nullptr;
    }
    return MakeHostFile(fd);
}

std::optional<quint32> HostDeviceFs::GetPermissions(const QString& path) {
    ResolvedPath r;
    if (!ResolveExisting(path, &r)) return std::nullopt;
    return quint32(r.st.mode & 0777);
}

bool HostDeviceFs::SetPermissions(const QString& path, quint32 mode) {
    ResolvedPath r;
    if (!ResolveExisting(path, &r)) return false;
    if (r.volume->readOnly) return Fail(DeviceError::WriteProtected);
    if (r.isVolumeRoot) return Fail(DeviceError::AccessDenied);
    if (fchmodat(r.dir, r.name.constData(), mode & 0777, AT_SYMLINK_NOFOLLOW) != 0) {
        return FailErrno(errno);
    }
    return true;
}

bool HostDeviceFs::GetTimes(const QString& path, FileTime* creation, FileTime* access,
                            FileTime* write) {
    ResolvedPath r;
    if (!ResolveExisting(path, &r)) return false;
    FindData fd;
    FillFind(r.st, 0, {}, &fd);
    if (creation) *creation = fd.creationTime;
    if (access) *access = fd.lastAccessTime;
    if (write) *write = fd.lastWriteTime;
    return true;
}

bool HostDeviceFs::SetTimes(const QString& path, const FileTime*, const FileTime* access,
                            const FileTime* write) {
    ResolvedPath r;
    if (!ResolveExisting(path, &r)) return false;
    if (r.volume->readOnly) return Fail(DeviceError::WriteProtected);
    timespec times[2] = {ToTimespec(access), ToTimespec(write)};
    if (utimensat(r.dir, r.name.constData(), times, AT_SYMLINK_NOFOLLOW) != 0) {
        return FailErrno(errno);
    }
    return true;
}

std::optional<VolumeSpace> HostDeviceFs::GetDiskFreeSpace(const QString& path) {
    ResolvedPath r;
    if (!ResolveExisting(path, &r)) return std::nullopt;
    struct statvfs vfs {};
    if (fstatvfs(r.dir, &vfs) != 0) {
        FailErrno(errno);
        return std::nullopt;
    }
    VolumeSpace space;
    space.freeToCaller = quint64(vfs.f_bavail) * vfs.f_frsize;
    space.totalFree = quint64(vfs.f_bfree) * vfs.f_frsize;
    space.total = quint64(vfs.f_blocks) * vfs.f_frsize;
    return space;
}

bool HostDeviceFs::SyncVolume(const QString& path) {
    ResolvedPath r;
    if (!Resolve(path, &r)) return false;
    int fd = open(r.volume->hostRoot.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return FailErrno(errno);
    bool ok = syncfs(fd) == 0;
    int err = errno;
    close(fd);
    return ok ? true : FailErrno(err);
}

QStringList HostDeviceFs::StorageCards() {
    QStringList names;
    for (const HostVolume* card : volumes_.MountedCards())
        names.append(card->name);
    return names;
}

QString HostDeviceFs::HostPath(const QString& path) {
    ResolvedPath r;
    if (!Resolve(path, &r)) return {};
    return QFile::decodeName(r.host);
}
