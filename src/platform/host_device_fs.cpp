#include "platform/host_device_fs.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <QDateTime>
#include <QDir>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QStringDecoder>
#include <cerrno>

#include "platform/device_path.h"
#include "platform/file_time.h"
#include "platform/host_attributes.h"

namespace {

// Temporary files of our own copies and replacements; never shown as device entries.
constexpr char kTempPrefix[] = ".nuvio-tmp-";

QByteArray Encode(const QString& name) {
    return name.toUtf8();
}

// A host name that cannot be a device name (bad UTF-8, refused characters) yields empty.
QString DecodeHostName(const char* raw) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString name = decoder.decode(QByteArrayView(raw));
    if (decoder.hasError() || !IsValidDeviceName(name)) return {};
    return name;
}

bool IsTempName(const char* raw) {
    return std::strncmp(raw, kTempPrefix, 11) == 0;
}

QByteArray Join(const QByteArray& folder, const QByteArray& name) {
    QByteArray out = folder;
    if (!out.endsWith('/')) out += '/';
    return out + name;
}

FileTime WriteTime(const HostStat& st) {
    return FileTimeFromUnix(st.writeSec, st.writeNsec);
}

void FillFind(const HostStat& st, quint32 attributes, const QString& name, FindData* out) {
    out->attributes = attributes;
    out->lastWriteTime = WriteTime(st);
    out->lastAccessTime = FileTimeFromUnix(st.accessSec, st.accessNsec);
    out->creationTime =
        st.birthSec >= 0 ? FileTimeFromUnix(st.birthSec, st.birthNsec) : out->lastWriteTime;
    out->size = st.size;
    out->objectId = st.inode;
    out->name = name;
}

bool StatHost(const QByteArray& host, HostStat* st) {
    bool link = false;
    return HostStatAt(AT_FDCWD, host.constData(), st, &link) && !link;
}

QByteArray TempNameIn(const QByteArray& folder) {
    // The process id makes the name unique to its writer across processes.
    quint64 r = QRandomGenerator::global()->generate64();
    return Join(folder, QByteArray(kTempPrefix) + QByteArray::number(getpid()) + '-' +
                            QByteArray::number(r, 16));
}

DeviceError ErrorFromErrno(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            return DeviceError::NotFound;
        case EEXIST:
            return DeviceError::Exists;
        case EACCES:
        case EPERM:
        case EROFS:
        case EBUSY:
            return DeviceError::AccessDenied;
        case ENOTEMPTY:
            return DeviceError::NotEmpty;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return DeviceError::DiskFull;
        case ENAMETOOLONG:
        case EINVAL:
            return DeviceError::InvalidPath;
        case ENOTSUP:
            return DeviceError::Unsupported;
        default:
            return DeviceError::Io;
    }
}

timespec ToTimespec(const FileTime* time) {
    if (!time) return timespec{0, UTIME_OMIT};
    return UnixFromFileTime(*time);
}

// Kernel-side copy: a reflink where the file system shares extents, else copy_file_range,
// else plain reads and writes.
bool CopyContent(int in, int out, qint64 size, bool* cloneFails, int* err) {
    if (!*cloneFails) {
        if (ioctl(out, FICLONE, in) == 0) return true;
        // Not a file system that shares extents: do not ask again for every file.
        if (errno == EOPNOTSUPP || errno == ENOTTY || errno == EINVAL || errno == EXDEV) {
            *cloneFails = true;
        }
    }
    qint64 done = 0;
    bool plain = false;
    while (done < size && !plain) {
        ssize_t n = copy_file_range(in, nullptr, out, nullptr, size_t(size - done), 0);
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP) {
                plain = true;
                break;
            }
            *err = errno;
            return false;
        }
        if (n == 0) break;  // the source shrank meanwhile
        done += n;
    }
    if (!plain) return true;
    if (lseek(in, done, SEEK_SET) < 0 || lseek(out, done, SEEK_SET) < 0) {
        *err = errno;
        return false;
    }
    std::vector<char> buffer(1 << 20);
    for (;;) {
        ssize_t n = read(in, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            *err = errno;
            return false;
        }
        if (n == 0) return true;
        for (ssize_t off = 0; off < n;) {
            ssize_t w = write(out, buffer.data() + off, size_t(n - off));
            if (w < 0 && errno == EINTR) continue;
            if (w < 0) {
                *err = errno;
                return false;
            }
            off += w;
        }
    }
}

class HostFile : public DeviceFile {
public:
    explicit HostFile(int fd) : fd_(fd) {}
    ~HostFile() override {
        if (fd_ >= 0) ::close(fd_);
    }
    qint64 Read(char* buffer, qint64 count) override {
        qint64 total = 0;
        while (total < count) {
            ssize_t n = ::read(fd_, buffer + total, size_t(count - total));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return -1;
            if (n == 0) break;
            total += n;
        }
        return total;
    }
    bool Write(const char* buffer, qint64 count) override {
        qint64 total = 0;
        while (total < count) {
            ssize_t n = ::write(fd_, buffer + total, size_t(count - total));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            total += n;
        }
        return true;
    }
    bool Seek(qint64 position) override { return lseek(fd_, position, SEEK_SET) == position; }
    qint64 Position() const override { return lseek(fd_, 0, SEEK_CUR); }
    qint64 Size() const override {
        struct stat st {};
        return fstat(fd_, &st) == 0 ? qint64(st.st_size) : -1;
    }
    bool GetTimes(FileTime* creation, FileTime* access, FileTime* write) const override {
        HostStat st;
        bool link = false;
        if (!HostStatAt(fd_, "", &st, &link)) {
            struct stat s {};
            if (fstat(fd_, &s) != 0) return false;
            st.writeSec = s.st_mtim.tv_sec;
            st.writeNsec = s.st_mtim.tv_nsec;
            st.accessSec = s.st_atim.tv_sec;
            st.accessNsec = s.st_atim.tv_nsec;
        }
        FindData fd;
        FillFind(st, 0, {}, &fd);
        if (creation) *creation = fd.creationTime;
        if (access) *access = fd.lastAccessTime;
        if (write) *write = fd.lastWriteTime;
        return true;
    }
    bool SetTimes(const FileTime*, const FileTime* access, const FileTime* write) override {
        timespec times[2] = {ToTimespec(access), ToTimespec(write)};
        return futimens(fd_, times) == 0;
    }
    bool Flush() override { return fsync(fd_) == 0; }
    std::optional<quint32> Permissions() const override {
        struct stat st {};
        if (fstat(fd_, &st) != 0) return std::nullopt;
        return quint32(st.st_mode & 0777);
    }
    bool SetPermissions(quint32 mode) override { return fchmod(fd_, mode & 0777) == 0; }
    bool Close() override {
        int fd = fd_;
        fd_ = -1;
        return fd >= 0 && ::close(fd) == 0;
    }

private:
    int fd_;
};

}  // namespace

// Enumerates one host folder (plus the storage cards when it is the root).
class HostFindHandle : public FindHandle {
public:
    HostFindHandle(HostDeviceFs* fs, const HostDeviceFs::Volume* volume, QByteArray folder,
                   QString pattern, QList<FindData> extra)
        : fs_(fs),
          volume_(volume),
          folder_(std::move(folder)),
          pattern_(std::move(pattern)),
          extra_(std::move(extra)) {
        dir_ = opendir(folder_.constData());
        matchAll_ = pattern_ == QLatin1String("*.*") || pattern_ == QLatin1String("*");
    }
    ~HostFindHandle() override {
        if (dir_) closedir(dir_);
    }
    bool Valid() const { return dir_ != nullptr; }
    void SetFoldersOnly(bool on) { foldersOnly_ = on; }

    bool Next(FindData& out) override {
        while (!extra_.isEmpty()) {
            out = extra_.takeFirst();
            return true;
        }
        if (!dir_) return false;
        while (dirent* entry = readdir(dir_)) {
            const char* raw = entry->d_name;
            if (entry->d_type == DT_LNK || IsTempName(raw)) continue;
            if (foldersOnly_ && entry->d_type != DT_DIR && entry->d_type != DT_UNKNOWN) continue;
            if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0))) continue;
            QString name = DecodeHostName(raw);
            if (name.isEmpty()) continue;
            if (!matchAll_ && !MatchPattern(pattern_, name)) continue;
            if (volume_->name.isEmpty() && fs_->FindCard(name)) continue;  // the card wins
            HostStat st;
            bool link = false;
            if (!HostStatAt(dirfd(dir_), raw, &st, &link) || link) continue;
            QByteArray host = Join(folder_, raw);
            quint32 attributes =
                ReadHostAttributes(host, st, name, volume_->readOnly, volume_->fat);
            FillFind(st, attributes, name, &out);
            return true;
        }
        return false;
    }

private:
    HostDeviceFs* fs_;
    const HostDeviceFs::Volume* volume_;
    QByteArray folder_;
    QString pattern_;
    QList<FindData> extra_;
    DIR* dir_ = nullptr;
    bool matchAll_ = false;
    bool foldersOnly_ = false;
};

namespace {

HostDeviceFs::Volume MakeVolume(const QString& name, const QString& hostDir) {
    HostDeviceFs::Volume v;
    v.name = name;
    v.hostRoot = QFile::encodeName(QDir(hostDir).absolutePath());
    struct statvfs vfs {};
    if (statvfs(v.hostRoot.constData(), &vfs) == 0) v.readOnly = (vfs.f_flag & ST_RDONLY) != 0;
    struct statfs fs {};
    if (statfs(v.hostRoot.constData(), &fs) == 0) v.fat = fs.f_type == MSDOS_SUPER_MAGIC;
    return v;
}

}  // namespace

HostDeviceFs::HostDeviceFs(Config config) : config_(std::move(config)) {
    root_ = MakeVolume(QString(), config_.rootDir);
    for (const Card& card : config_.cards)
        AddCard(card.name, card.hostDir);
    RefreshVolumes();
}

QString HostDeviceFs::DefaultRootDir() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/nuvio-explorer/device");
}

bool HostDeviceFs::SeedDevice(const QString& rootDir) {
    QDir dir(rootDir);
    if (dir.exists()) return true;
    bool ok = dir.mkpath(QStringLiteral("."));
    for (const char* sub :
         {"My Documents", "Program Files", "Windows/Start Menu/Programs", "Temp"}) {
        ok = dir.mkpath(QString::fromLatin1(sub)) && ok;
    }
    return ok;
}

void HostDeviceFs::RefreshVolumes() {
    if (!config_.discoverRemovableMedia) return;
    qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (cardsScannedAt_ >= 0 && now - cardsScannedAt_ < 1000) return;
    cardsScannedAt_ = now;
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty()) return;
    for (const QString& base :
         {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user}) {
        const QStringList names = QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& name : names)
            AddCard(name, base + QLatin1Char('/') + name);
    }
}

void HostDeviceFs::AddCard(const QString& name, const QString& hostDir) {
    if (!IsValidDeviceName(name)) return;
    for (const Volume& v : cards_) {
        if (v.name.compare(name, Qt::CaseInsensitive) == 0) return;
    }
    cards_.push_back(MakeVolume(name, hostDir));
}

bool HostDeviceFs::Mounted(const Volume& volume) {
    HostStat st;
    return StatHost(volume.hostRoot, &st) && st.isDir;
}

const HostDeviceFs::Volume* HostDeviceFs::FindCard(const QString& name) {
    for (const Volume& v : cards_) {
        if (v.name.compare(name, Qt::CaseInsensitive) == 0) return Mounted(v) ? &v : nullptr;
    }
    return nullptr;
}

bool HostDeviceFs::Fail(DeviceError error) {
    lastError_ = error;
    return false;
}

bool HostDeviceFs::FailErrno(int err) {
    return Fail(ErrorFromErrno(err));
}

void HostDeviceFs::RememberFolder(const QByteArray& host) {
    if (verified_.size() >= 4096) verified_.clear();
    verified_.insert(host);
}

bool HostDeviceFs::FindCaseVariant(const QByteArray& folder, const QString& name,
                                   QByteArray* actual) {
    struct statx sx {};
    if (statx(AT_FDCWD, folder.constData(), AT_SYMLINK_NOFOLLOW, STATX_CTIME, &sx) != 0) {
        return false;
    }
    CaseIndex& index = caseIndex_[folder];
    if (index.changeSec != sx.stx_ctime.tv_sec || index.changeNsec != sx.stx_ctime.tv_nsec) {
        if (caseIndex_.size() > 64) {
            caseIndex_.clear();
            return FindCaseVariant(folder, name, actual);
        }
        index.names.clear();
        DIR* dir = opendir(folder.constData());
        if (!dir) return false;
        while (dirent* entry = readdir(dir)) {
            if (entry->d_type == DT_LNK || IsTempName(entry->d_name)) continue;
            QString entryName = DecodeHostName(entry->d_name);
            if (!entryName.isEmpty()) index.names.insert(entryName.toCaseFolded(), entry->d_name);
        }
        closedir(dir);
        index.changeSec = sx.stx_ctime.tv_sec;
        index.changeNsec = sx.stx_ctime.tv_nsec;
    }
    auto it = index.names.constFind(name.toCaseFolded());
    if (it == index.names.constEnd()) return false;
    *actual = Join(folder, *it);
    return true;
}

void HostDeviceFs::NoteEntry(const QByteArray& hostPath, bool added) {
    const int cut = hostPath.lastIndexOf('/');
    auto it = caseIndex_.find(hostPath.left(cut));
    if (it == caseIndex_.end()) return;
    const QByteArray raw = hostPath.mid(cut + 1);
    const QString name = DecodeHostName(raw.constData()).toCaseFolded();
    if (added) {
        it->names.insert(name, raw);
    } else {
        it->names.remove(name);
    }
    struct statx sx {};
    if (statx(AT_FDCWD, it.key().constData(), AT_SYMLINK_NOFOLLOW, STATX_CTIME, &sx) == 0) {
        it->changeSec = sx.stx_ctime.tv_sec;
        it->changeNsec = sx.stx_ctime.tv_nsec;
    } else {
        caseIndex_.erase(it);
    }
}

void HostDeviceFs::ForgetFolder(const QByteArray& host) {
    const QByteArray below = host + '/';
    verified_.removeIf(
        [&](const QByteArray& folder) { return folder == host || folder.startsWith(below); });
}

bool HostDeviceFs::Resolve(const QString& path, Resolved* out) {
    *out = Resolved();
    QStringList parts;
    if (!SplitDevicePath(path, &parts)) return Fail(DeviceError::InvalidPath);
    RefreshVolumes();
    out->volume = &root_;
    int first = 0;
    if (!parts.isEmpty()) {
        if (const Volume* card = FindCard(parts.first())) {
            out->volume = card;
            first = 1;
        }
    }
    out->host = out->volume->hostRoot;
    if (first == parts.size()) {
        out->exists = StatHost(out->host, &out->st) && out->st.isDir;
        out->isDir = true;
        out->isVolumeRoot = true;
        return out->exists ? true : Fail(DeviceError::NotFound);
    }
    // Fast path: a folder checked before (every component a real folder, spelled as stored)
    // needs one lookup for the last component.
    QByteArray parent = out->host;
    for (int i = first; i < parts.size() - 1; ++i)
        parent = Join(parent, Encode(parts[i]));
    if (verified_.contains(parent)) {
        QByteArray candidate = Join(parent, Encode(parts.last()));
        QByteArray alt;
        if (StatHost(candidate, &out->st) ||
            (FindCaseVariant(parent, parts.last(), &alt) && StatHost(candidate = alt, &out->st))) {
            out->host = candidate;
            out->exists = true;
            out->isDir = out->st.isDir;
            if (out->isDir) RememberFolder(candidate);
            return true;
        }
        out->host = candidate;
        return true;  // a path that may be created
    }
    for (int i = first; i < parts.size(); ++i) {
        const bool last = i == parts.size() - 1;
        QByteArray candidate = Join(out->host, Encode(parts[i]));
        HostStat& st = out->st;
        bool found = StatHost(candidate, &st);
        if (!found) {
            QByteArray alt;
            if (FindCaseVariant(out->host, parts[i], &alt) && StatHost(alt, &st)) {
                candidate = alt;
                found = true;
            }
        }
        if (last) RememberFolder(out->host);
        out->host = candidate;
        if (!found) {
            if (!last) {
                out->host.clear();
                return Fail(DeviceError::NotFound);
            }
            return true;  // a path that may be created
        }
        if (!last && !st.isDir) {
            out->host.clear();
            return Fail(DeviceError::NotFound);
        }
        if (last) {
            out->exists = true;
            out->isDir = st.isDir;
            if (st.isDir) RememberFolder(candidate);
        }
    }
    return true;
}

bool HostDeviceFs::ResolveExisting(const QString& path, Resolved* out) {
    if (!Resolve(path, out)) return false;
    return out->exists ? true : Fail(DeviceError::NotFound);
}

std::unique_ptr<FindHandle> HostDeviceFs::FindFirst(const QString& pattern, FindData& first,
                                                    bool foldersOnly) {
    int cut = pattern.lastIndexOf(QLatin1Char('\\'));
    if (cut < 0) {
        Fail(DeviceError::InvalidPath);
        return nullptr;
    }
    QString namePattern = pattern.mid(cut + 1);
    Resolved r;
    if (!HasWildcards(namePattern)) {
        // A plain path: the one entry it names.
        if (namePattern.isEmpty() || !ResolveExisting(pattern, &r)) {
            if (namePattern.isEmpty()) Fail(DeviceError::InvalidPath);
            return nullptr;
        }
        const HostStat& st = r.st;
        QString name = r.isVolumeRoot
                           ? r.volume->name
                           : DecodeHostName(r.host.mid(r.host.lastIndexOf('/') + 1).constData());
        quint32 attributes = r.isVolumeRoot ? Attr::kDirectory | Attr::kTemporary
                                            : ReadHostAttributes(r.host, st, name,
                                                                 r.volume->readOnly, r.volume->fat);
        FillFind(st, attributes, name, &first);
        return std::make_unique<HostFindHandle>(this, r.volume, QByteArray(), QString(),
                                                QList<FindData>());
    }
    QString folder = cut == 0 ? QStringLiteral("\\") : pattern.left(cut);
    if (!ResolveExisting(folder, &r)) return nullptr;
    if (!r.isDir) {
        Fail(DeviceError::NotFound);
        return nullptr;
    }
    QList<FindData> cards;
    if (r.isVolumeRoot && r.volume == &root_) {
        for (const Volume& card : cards_) {
            if (!MatchPattern(namePattern, card.name) || !Mounted(card)) continue;
            HostStat st;
            if (!StatHost(card.hostRoot, &st)) continue;
            FindData fd;
            FillFind(st, Attr::kDirectory | Attr::kTemporary, card.name, &fd);
            cards.append(fd);
        }
    }
    auto handle = std::make_unique<HostFindHandle>(this, r.volume, r.host, namePattern, cards);
    handle->SetFoldersOnly(foldersOnly);
    if (!handle->Valid() || !handle->Next(first)) {
        Fail(handle->Valid() ? DeviceError::NotFound : ErrorFromErrno(errno));
        return nullptr;
    }
    return handle;
}

std::optional<quint32> HostDeviceFs::GetAttributes(const QString& path) {
    Resolved r;
    if (!ResolveExisting(path, &r)) return std::nullopt;
    if (r.isVolumeRoot) {
        return r.volume == &root_ ? Attr::kDirectory : Attr::kDirectory | Attr::kTemporary;
    }
    const HostStat& st = r.st;
    QString name = path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
    return ReadHostAttributes(r.host, st, name, r.volume->readOnly, r.volume->fat);
}

bool HostDeviceFs::SetAttributes(const QString& path, quint32 attributes) {
    Resolved r;
    if (!ResolveExisting(path, &r)) return false;
    if (r.isVolumeRoot || r.volume->readOnly) return Fail(DeviceError::AccessDenied);
    const HostStat& st = r.st;
    QString name = path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
    quint32 current = ReadHostAttributes(r.host, st, name, false, r.volume->fat);
    if (IsRomFile(current)) return Fail(DeviceError::AccessDenied);
    int err = 0;
    if (!WriteHostAttributes(r.host, st, current, attributes, r.volume->fat, &err)) {
        return FailErrno(err);
    }
    return true;
}

bool HostDeviceFs::CreateDirectory(const QString& path) {
    Resolved r;
    if (!Resolve(path, &r)) return false;
    if (r.exists) return Fail(DeviceError::Exists);
    if (r.volume->readOnly) return Fail(DeviceError::AccessDenied);
    if (mkdir(r.host.constData(), 0777) != 0) return FailErrno(errno);
    NoteEntry(r.host, true);
    return true;
}

bool HostDeviceFs::RemoveDirectory(const QString& path) {
    Resolved r;
    if (!ResolveExisting(path, &r)) return false;
    if (!r.isDir) return Fail(DeviceError::NotFound);
    if (r.isVolumeRoot || r.volume->readOnly) return Fail(DeviceError::AccessDenied);
    if (rmdir(r.host.constData()) != 0) return FailErrno(errno);
    ForgetFolder(r.host);
    NoteEntry(r.host, false);
    return true;
}

bool HostDeviceFs::WritableFile(const Resolved& r) {
    const HostStat& st = r.st;
    quint32 a = ReadHostAttributes(r.host, st, QString(), r.volume->readOnly, r.volume->fat);
    if (IsRomFile(a) || (a & Attr::kReadOnly)) return Fail(DeviceError::AccessDenied);
    return true;
}

bool HostDeviceFs::DeleteFile(const QString& path) {
    Resolved r;
    if (!ResolveExisting(path, &r)) return false;
    if (r.isDir) return Fail(DeviceError::AccessDenied);
    if (!WritableFile(r)) return false;
    if (unlink(r.host.constData()) != 0) return FailErrno(errno);
    NoteEntry(r.host, false);
    return true;
}

bool HostDeviceFs::CopyFile(const QString& source, const QString& destination) {
    Resolved src, dst;
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
    if (dst.volume->readOnly) return Fail(DeviceError::AccessDenied);

    // An existing destination is replaced by a temporary file renamed over it only when
    // complete, so a failed copy never damages it; a new one is written in place and removed
    // again when the copy fails.
    int in = open(src.host.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (in < 0) return FailErrno(errno);
    QByteArray folder = dst.host.left(dst.host.lastIndexOf('/'));
    const QByteArray temp = dst.exists ? TempNameIn(folder) : dst.host;
    int out = open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (out < 0) {
        int err = errno;
        close(in);
        return FailErrno(err);
    }
    int err = 0;
    bool ok = CopyContent(in, out, qint64(st.size), &cloneFails_, &err);
    if (ok && !CopyHostAttributes(src.host, out, st.mode, dst.volume->fat)) {
        ok = false;
        err = errno;
    }
    if (ok) {
        timespec times[2] = {{st.accessSec, st.accessNsec}, {st.writeSec, st.writeNsec}};
        futimens(out, times);
    }
    close(in);
    if (close(out) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && dst.exists && rename(temp.constData(), dst.host.constData()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        unlink(temp.constData());
        return FailErrno(err ? err : EIO);
    }
    NoteEntry(dst.host, true);
    return true;
}

bool HostDeviceFs::MoveFile(const QString& oldPath, const QString& newPath) {
    Resolved from, to;
    if (!ResolveExisting(oldPath, &from)) return false;
    if (from.isVolumeRoot || from.volume->readOnly) return Fail(DeviceError::AccessDenied);
    const HostStat& st = from.st;
    if (!st.isDir &&
        IsRomFile(ReadHostAttributes(from.host, st, QString(), false, from.volume->fat))) {
        return Fail(DeviceError::AccessDenied);
    }
    if (!Resolve(newPath, &to)) return false;
    if (to.isVolumeRoot || to.volume->readOnly) return Fail(DeviceError::AccessDenied);
    QByteArray target = to.host;
    if (to.exists) {
        if (to.host != from.host) return Fail(DeviceError::Exists);
        // The same entry in other letters: take the new spelling.
        QString newName = newPath.mid(newPath.lastIndexOf(QLatin1Char('\\')) + 1);
        target = Join(to.host.left(to.host.lastIndexOf('/')), Encode(newName));
        if (target == from.host) return true;
    }
    if (to.volume != from.volume) {
        // Across volumes only files move: copy, then remove the original.
        if (st.isDir) return Fail(DeviceError::Unsupported);
        if (!CopyFile(oldPath, newPath)) return false;
        if (unlink(from.host.constData()) != 0) return FailErrno(errno);
        NoteEntry(from.host, false);
        return true;
    }
    if (st.isDir && (target + '/').startsWith(from.host + '/')) {
        return Fail(DeviceError::InvalidPath);  // into its own subtree
    }
    if (renameat2(AT_FDCWD, from.host.constData(), AT_FDCWD, target.constData(),
                  to.exists ? 0 : RENAME_NOREPLACE) != 0) {
        return FailErrno(errno);
    }
    if (st.isDir) ForgetFolder(from.host);
    NoteEntry(from.host, false);
    NoteEntry(target, true);
    return true;
}

bool HostDeviceFs::ReplaceFile(const QString& source, const QString& target) {
    Resolved src, dst;
    if (!ResolveExisting(source, &src)) return false;
    if (src.isDir) return Fail(DeviceError::AccessDenied);
    if (!Resolve(target, &dst)) return false;
    if (dst.volume != src.volume || dst.volume->readOnly) return Fail(DeviceError::AccessDenied);
    if (dst.exists) {
        if (dst.isDir) return Fail(DeviceError::AccessDenied);
        if (!WritableFile(dst)) return false;
        const HostStat& st = dst.st;
        int fd = open(src.host.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) return FailErrno(errno);
        bool ok = CopyHostAttributes(dst.host, fd, st.mode, dst.volume->fat);
        close(fd);
        if (!ok) return FailErrno(errno);
    }
    if (rename(src.host.constData(), dst.host.constData()) != 0) return FailErrno(errno);
    NoteEntry(src.host, false);
    NoteEntry(dst.host, true);
    return true;
}

std::unique_ptr<DeviceFile> HostDeviceFs::Open(const QString& path, OpenMode mode,
                                               quint32 createAttributes) {
    Resolved r;
    if (mode == OpenMode::CreateAlways ? !Resolve(path, &r) : !ResolveExisting(path, &r)) {
        return nullptr;
    }
    if (r.exists && r.isDir) {
        Fail(DeviceError::AccessDenied);
        return nullptr;
    }
    int flags = O_NOFOLLOW | O_CLOEXEC;
    if (mode == OpenMode::Read) {
        flags |= O_RDONLY;
    } else {
        if (r.volume->readOnly || (r.exists && !WritableFile(r))) {
            Fail(DeviceError::AccessDenied);
            return nullptr;
        }
        flags |= mode == OpenMode::ReadWrite ? O_RDWR : (O_WRONLY | O_CREAT | O_TRUNC);
    }
    int fd = open(r.host.constData(), flags, 0666);
    if (fd < 0) {
        FailErrno(errno);
        return nullptr;
    }
    if (!r.exists && mode == OpenMode::CreateAlways) NoteEntry(r.host, true);
    if (mode == OpenMode::CreateAlways && createAttributes != 0) {
        HostStat st;
        bool link = false;
        HostStatAt(fd, "", &st, &link);
        QString name = path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
        quint32 current = ReadHostAttributes(r.host, st, name, false, r.volume->fat);
        int err = 0;
        quint32 wanted = (current & ~quint32(0x27)) | (createAttributes & 0x26) | Attr::kArchive;
        if (!WriteHostAttributes(r.host, st, current, wanted, r.volume->fat, &err)) {
            close(fd);
            FailErrno(err);
            return nullptr;
        }
    }
    return std::make_unique<HostFile>(fd);
}

std::unique_ptr<DeviceFile> HostDeviceFs::CreateTempFile(const QString& folder, QString* path) {
    Resolved r;
    if (!ResolveExisting(folder, &r)) return nullptr;
    if (!r.isDir) {
        Fail(DeviceError::NotFound);
        return nullptr;
    }
    if (r.volume->readOnly) {
        Fail(DeviceError::AccessDenied);
        return nullptr;
    }
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QByteArray host = TempNameIn(r.host);
        int fd = open(host.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) {
            FailErrno(errno);
            return nullptr;
        }
        flock(fd, LOCK_EX | LOCK_NB);  // marks it live for other processes
        const QString name = QString::fromLatin1(host.mid(host.lastIndexOf('/') + 1));
        *path = folder.endsWith(QLatin1Char('\\')) ? folder + name
                                                    : folder + QLatin1Char('\\') + name;
        return std::make_unique<HostFile>(fd);
    }
    Fail(DeviceError::Exists);
    return nullptr;
}

std::unique_ptr<DeviceFile> HostDeviceFs::LockFile(const QString& path) {
    Resolved r;
    if (!Resolve(path, &r)) return nullptr;
    if (r.exists && r.isDir) {
        Fail(DeviceError::AccessDenied);
        return nullptr;
    }
    int fd = open(r.host.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
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
    return std::make_unique<HostFile>(fd);
}

std::optional<quint32> HostDeviceFs::GetPermissions(const QString& path) {
    Resolved r;
    if (!ResolveExisting(path, &r)) return std::nullopt;
    return quint32(r.st.mode & 0777);
}

bool HostDeviceFs::GetTimes(const QString& path, FileTime* creation, FileTime* access,
                            FileTime* write) {
    Resolved r;
    if (!ResolveExisting(path, &r)) return false;
    const HostStat& st = r.st;
    FindData fd;
    FillFind(st, 0, {}, &fd);
    if (creation) *creation = fd.creationTime;
    if (access) *access = fd.lastAccessTime;
    if (write) *write = fd.lastWriteTime;
    return true;
}

bool HostDeviceFs::SetTimes(const QString& path, const FileTime*, const FileTime* access,
                            const FileTime* write) {
    Resolved r;
    if (!ResolveExisting(path, &r)) return false;
    if (r.volume->readOnly) return Fail(DeviceError::AccessDenied);
    timespec times[2] = {ToTimespec(access), ToTimespec(write)};
    if (utimensat(AT_FDCWD, r.host.constData(), times, AT_SYMLINK_NOFOLLOW) != 0) {
        return FailErrno(errno);
    }
    return true;
}

std::optional<VolumeSpace> HostDeviceFs::GetDiskFreeSpace(const QString& path) {
    Resolved r;
    if (!ResolveExisting(path, &r)) return std::nullopt;
    struct statvfs vfs {};
    if (statvfs(r.host.constData(), &vfs) != 0) {
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
    Resolved r;
    if (!Resolve(path, &r)) return false;
    int fd = open(r.volume->hostRoot.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return FailErrno(errno);
    bool ok = syncfs(fd) == 0;
    int err = errno;
    close(fd);
    return ok ? true : FailErrno(err);
}

QStringList HostDeviceFs::StorageCards() {
    RefreshVolumes();
    QStringList names;
    for (const Volume& v : cards_) {
        if (Mounted(v)) names.append(v.name);
    }
    return names;
}

QString HostDeviceFs::HostPath(const QString& path) {
    Resolved r;
    if (!Resolve(path, &r)) return {};
    return QFile::decodeName(r.host);
}
