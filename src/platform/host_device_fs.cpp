#include "platform/host_device_fs.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <linux/openat2.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
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

// Our own files (temporaries, lock files) are never device entries.
bool IsTempName(const char* raw) {
    return std::strncmp(raw, ".nuvio-", 7) == 0;
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

bool StatAt(int dirFd, const QByteArray& name, HostStat* st) {
    bool link = false;
    return HostStatAt(dirFd, name.constData(), st, &link) && !link;
}

// The process id makes the name unique to its writer across processes, and tells a later
// sweep whether the writer still lives.
QByteArray TempName() {
    quint64 r = QRandomGenerator::global()->generate64();
    return QByteArray(kTempPrefix) + QByteArray::number(getpid()) + '-' +
           QByteArray::number(r, 16);
}

// A leftover of a writer that is gone: its lock is free and its process no longer runs.
bool IsDeadLeftover(int dirFd, const char* raw) {
    const char* pidText = raw + sizeof kTempPrefix - 1;
    char* end = nullptr;
    long pid = std::strtol(pidText, &end, 10);
    if (end == pidText || *end != '-' || pid <= 0) return false;
    if (pid == getpid() || kill(pid_t(pid), 0) == 0 || errno != ESRCH) return false;
    int fd = openat(dirFd, raw, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    bool free = flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd);
    return free;
}

int OpenDirAt(int dirFd, const char* name) {
    return openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

QByteArray ProcPath(int fd, const QByteArray& name) {
    QByteArray out = "/proc/self/fd/" + QByteArray::number(fd);
    if (name != ".") out += '/' + name;
    return out;
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
// Enumerates one host folder (plus the storage cards when it is the root).
class HostFindHandle : public FindHandle {
public:
    HostFindHandle(HostDeviceFs* fs, const HostDeviceFs::Volume* volume, int folderFd,
                   QByteArray folder, QString pattern, QList<FindData> extra)
        : fs_(fs),
          volume_(volume),
          folder_(std::move(folder)),
          pattern_(std::move(pattern)),
          extra_(std::move(extra)) {
        if (folderFd >= 0) {
            dir_ = fdopendir(folderFd);
            if (!dir_) close(folderFd);
        }
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
            if (IsTempName(raw)) continue;
            if (raw[0] == '.' && (raw[1] == 0 || (raw[1] == '.' && raw[2] == 0))) continue;
            QString name = DecodeHostName(raw);
            // Links are never followed and some host names cannot be device names: a walk
            // reports both instead of missing them silently.
            if (name.isEmpty() || entry->d_type == DT_LNK) {
                if (matchAll_) skipped_.append(QString::fromUtf8(raw));
                continue;
            }
            if (foldersOnly_ && entry->d_type != DT_DIR && entry->d_type != DT_UNKNOWN) continue;
            if (!matchAll_ && !MatchPattern(pattern_, name)) continue;
            if (volume_->name.isEmpty() && fs_->FindCard(name)) continue;  // the card wins
            HostStat st;
            bool link = false;
            if (!HostStatAt(dirfd(dir_), raw, &st, &link) || link) {
                if (link) skipped_.append(name);
                continue;
            }
            // Reading by the folder's path is twice as fast as through the descriptor and
            // changes nothing, whatever it reaches.
            quint32 attributes = ReadHostAttributes(Join(folder_, raw), st, name,
                                                    volume_->readOnly, volume_->fat);
            FillFind(st, attributes, name, &out);
            return true;
        }
        return false;
    }

    QStringList Skipped() const override { return skipped_; }

private:
    HostDeviceFs* fs_;
    const HostDeviceFs::Volume* volume_;
    QStringList skipped_;
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

// Opens a folder below dirFd in one call, refusing links and anything outside; -1 with errno
// ENOSYS where the kernel lacks openat2.
int OpenBeneath(int dirFd, const QByteArray& relative) {
    open_how how {};
    how.flags = O_PATH | O_DIRECTORY | O_CLOEXEC;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
    long fd;
    do {
        fd = syscall(SYS_openat2, dirFd, relative.constData(), &how, sizeof how);
    } while (fd < 0 && errno == EAGAIN);
    return int(fd);
}

}  // namespace

HostDeviceFs::Resolved::~Resolved() {
    if (dir >= 0) close(dir);
}

void HostDeviceFs::Resolved::Reset() {
    if (dir >= 0) close(dir);
    dir = -1;
    volume = nullptr;
    name.clear();
    host.clear();
    exists = isDir = isVolumeRoot = false;
    st = HostStat();
}

QByteArray HostDeviceFs::Resolved::At() const {
    return ProcPath(dir, name);
}

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

bool HostDeviceFs::NameTaken(const QString& name) {
    for (const Volume& v : cards_) {
        if (v.name.compare(name, Qt::CaseInsensitive) == 0) return true;
    }
    if (config_.reservedNames.contains(name, Qt::CaseInsensitive)) return true;
    int rootFd = open(root_.hostRoot.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (rootFd < 0) return false;
    HostStat st;
    QByteArray actual;
    bool taken = StatAt(rootFd, Encode(name), &st) ||
                 FindCaseVariant(rootFd, root_.hostRoot, name, &actual);
    close(rootFd);
    return taken;
}

void HostDeviceFs::AddCard(const QString& name, const QString& hostDir) {
    if (!IsValidDeviceName(name)) return;
    Volume volume = MakeVolume(name, hostDir);
    for (const Volume& v : cards_) {
        if (v.hostRoot == volume.hostRoot) return;
    }
    // A medium never hides a folder of the root or another card: a clashing name gets a
    // number, as a copy does.
    for (int n = 2; NameTaken(volume.name); ++n)
        volume.name = name + QStringLiteral(" (%1)").arg(n);
    cards_.push_back(volume);
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

bool HostDeviceFs::FindCaseVariant(int dirFd, const QByteArray& folder, const QString& name,
                                   QByteArray* actual) {
    struct statx sx {};
    if (statx(dirFd, "", AT_EMPTY_PATH, STATX_CTIME | STATX_INO, &sx) != 0) return false;
    CaseIndex& index = caseIndex_[folder];
    if (index.inode != sx.stx_ino || index.changeSec != sx.stx_ctime.tv_sec ||
        index.changeNsec != sx.stx_ctime.tv_nsec) {
        if (caseIndex_.size() > 64) {
            caseIndex_.clear();
            return FindCaseVariant(dirFd, folder, name, actual);
        }
        index.names.clear();
        int fd = OpenDirAt(dirFd, ".");
        DIR* dir = fd >= 0 ? fdopendir(fd) : nullptr;
        if (!dir) {
            if (fd >= 0) close(fd);
            caseIndex_.remove(folder);
            return false;
        }
        while (dirent* entry = readdir(dir)) {
            if (entry->d_type == DT_LNK || IsTempName(entry->d_name)) continue;
            QString entryName = DecodeHostName(entry->d_name);
            if (!entryName.isEmpty()) index.names.insert(entryName.toCaseFolded(), entry->d_name);
        }
        closedir(dir);
        index.inode = sx.stx_ino;
        index.changeSec = sx.stx_ctime.tv_sec;
        index.changeNsec = sx.stx_ctime.tv_nsec;
    }
    auto it = index.names.constFind(name.toCaseFolded());
    if (it == index.names.constEnd()) return false;
    *actual = *it;
    return true;
}

void HostDeviceFs::NoteEntry(const Resolved& r, const QByteArray& name, bool added) {
    auto it = caseIndex_.find(r.host.left(r.host.lastIndexOf('/')));
    if (it == caseIndex_.end()) return;
    const QString folded = DecodeHostName(name.constData()).toCaseFolded();
    if (added) {
        it->names.insert(folded, name);
    } else {
        it->names.remove(folded);
    }
    struct statx sx {};
    if (statx(r.dir, "", AT_EMPTY_PATH, STATX_CTIME | STATX_INO, &sx) == 0 &&
        sx.stx_ino == it->inode) {
        it->changeSec = sx.stx_ctime.tv_sec;
        it->changeNsec = sx.stx_ctime.tv_nsec;
    } else {
        caseIndex_.erase(it);
    }
}

void HostDeviceFs::NoteTempEntry(const QByteArray& folder, int folderFd) {
    auto it = caseIndex_.find(folder);
    if (it == caseIndex_.end()) return;
    struct statx sx {};
    if (statx(folderFd, "", AT_EMPTY_PATH, STATX_CTIME | STATX_INO, &sx) == 0 &&
        sx.stx_ino == it->inode) {
        it->changeSec = sx.stx_ctime.tv_sec;
        it->changeNsec = sx.stx_ctime.tv_nsec;
    } else {
        caseIndex_.erase(it);
    }
}

void HostDeviceFs::SweepLeftovers(const QByteArray& folder, int folderFd) {
    if (swept_.contains(folder)) return;
    if (swept_.size() >= 4096) swept_.clear();
    swept_.insert(folder);
    int fd = OpenDirAt(folderFd, ".");
    DIR* dir = fd >= 0 ? fdopendir(fd) : nullptr;
    if (!dir) {
        if (fd >= 0) close(fd);
        return;
    }
    while (dirent* entry = readdir(dir)) {
        if (std::strncmp(entry->d_name, kTempPrefix, sizeof kTempPrefix - 1) != 0) continue;
        if (IsDeadLeftover(dirfd(dir), entry->d_name)) unlinkat(dirfd(dir), entry->d_name, 0);
    }
    closedir(dir);
}

bool HostDeviceFs::Resolve(const QString& path, Resolved* out) {
    out->Reset();
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
    int rootFd = open(out->host.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (rootFd < 0) return FailErrno(errno);
    if (first == parts.size()) {
        out->dir = rootFd;
        out->name = ".";
        bool link = false;
        out->exists = HostStatAt(rootFd, "", &out->st, &link) && out->st.isDir;
        out->isDir = true;
        out->isVolumeRoot = true;
        return out->exists ? true : Fail(DeviceError::NotFound);
    }
    // The parent folder: one call when every name is spelled as stored, else a folder at a
    // time with the case-insensitive lookup. Links are never followed.
    int dir = rootFd;
    if (parts.size() - first > 1) {
        QByteArray relative;
        for (int i = first; i < parts.size() - 1; ++i)
            relative += (relative.isEmpty() ? "" : "/") + Encode(parts[i]);
        int fd = noOpenat2_ ? -1 : OpenBeneath(rootFd, relative);
        if (fd < 0 && errno == ENOSYS) noOpenat2_ = true;
        if (fd >= 0) {
            close(rootFd);
            dir = fd;
            out->host = Join(out->host, relative);
        } else {
            for (int i = first; i < parts.size() - 1; ++i) {
                QByteArray name = Encode(parts[i]);
                int next = openat(dir, name.constData(),
                                  O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (next < 0 && errno == ENOENT &&
                    FindCaseVariant(dir, out->host, parts[i], &name)) {
                    next = openat(dir, name.constData(),
                                  O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                }
                close(dir);
                if (next < 0) {
                    out->host.clear();
                    return Fail(DeviceError::NotFound);
                }
                dir = next;
                out->host = Join(out->host, name);
            }
        }
    }
    out->dir = dir;
    out->name = Encode(parts.last());
    out->exists = StatAt(dir, out->name, &out->st);
    QByteArray alt;
    if (!out->exists && FindCaseVariant(dir, out->host, parts.last(), &alt) &&
        StatAt(dir, alt, &out->st)) {
        out->name = alt;
        out->exists = true;
    }
    out->isDir = out->exists && out->st.isDir;
    out->host = Join(out->host, out->name);
    return true;  // an entry that exists, or one that may be created
}

bool HostDeviceFs::ResolveExisting(const QString& path, Resolved* out) {
    if (!Resolve(path, out)) return false;
    return out->exists ? true : Fail(DeviceError::NotFound);
}

int HostDeviceFs::OpenEntry(const Resolved& r, int flags) {
    return openat(r.dir, r.name.constData(), flags | O_NOFOLLOW | O_CLOEXEC);
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
        QString name = r.isVolumeRoot ? r.volume->name : DecodeHostName(r.name.constData());
        quint32 attributes =
            r.isVolumeRoot
                ? Attr::kDirectory | Attr::kTemporary
                : ReadHostAttributes(r.host, st, name, r.volume->readOnly, r.volume->fat);
        FillFind(st, attributes, name, &first);
        return std::make_unique<HostFindHandle>(this, r.volume, -1, QByteArray(), QString(),
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
    const int folderFd = OpenEntry(r, O_RDONLY | O_DIRECTORY);
    const int openError = errno;
    auto handle =
        std::make_unique<HostFindHandle>(this, r.volume, folderFd, r.host, namePattern, cards);
    handle->SetFoldersOnly(foldersOnly);
    if (!handle->Valid() || !handle->Next(first)) {
        // A folder whose only entries cannot be shown is not empty: a walk must say so.
        Fail(!handle->Valid()                 ? ErrorFromErrno(openError)
             : handle->Skipped().isEmpty() ? DeviceError::NotFound
                                           : DeviceError::InvalidPath);
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
    QString name = path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
    return ReadHostAttributes(r.host, r.st, name, r.volume->readOnly, r.volume->fat);
}

bool HostDeviceFs::SetAttributes(const QString& path, quint32 attributes) {
    Resolved r;
    if (!ResolveExisting(path, &r)) return false;
    if (r.isVolumeRoot || r.volume->readOnly) return Fail(DeviceError::AccessDenied);
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
    constexpr quint32 kStored = Attr::kReadOnly | Attr::kHidden | Attr::kSystem |
                                Attr::kArchive | Attr::kInRom | Attr::kTemporary |
                                Attr::kRomModule;
    HostStat after;
    if (!StatAt(r.dir, r.name, &after)) return FailErrno(errno);
    quint32 stored = ReadHostAttributes(at, after, name, false, r.volume->fat);
    if ((stored & kStored) != (attributes & kStored)) return Fail(DeviceError::Unsupported);
    return true;
}

bool HostDeviceFs::CreateDirectory(const QString& path) {
    Resolved r;
    if (!Resolve(path, &r)) return false;
    if (r.exists) return Fail(DeviceError::Exists);
    if (r.volume->readOnly) return Fail(DeviceError::AccessDenied);
    if (mkdirat(r.dir, r.name.constData(), 0777) != 0) return FailErrno(errno);
    NoteEntry(r, r.name, true);
    return true;
}

bool HostDeviceFs::RemoveDirectory(const QString& path) {
    Resolved r;
    if (!ResolveExisting(path, &r)) return false;
    if (!r.isDir) return Fail(DeviceError::NotFound);
    if (r.isVolumeRoot || r.volume->readOnly) return Fail(DeviceError::AccessDenied);
    if (unlinkat(r.dir, r.name.constData(), AT_REMOVEDIR) != 0) return FailErrno(errno);
    caseIndex_.remove(r.host);
    NoteEntry(r, r.name, false);
    return true;
}

bool HostDeviceFs::WritableFile(const Resolved& r) {
    // Reads only: a wrong answer can refuse or allow a change, which acts on the descriptor.
    quint32 a = ReadHostAttributes(r.host, r.st, QString(), r.volume->readOnly, r.volume->fat);
    if (IsRomFile(a) || (a & Attr::kReadOnly)) return Fail(DeviceError::AccessDenied);
    return true;
}

bool HostDeviceFs::DeleteFile(const QString& path) {
    Resolved r;
    if (!ResolveExisting(path, &r)) return false;
    if (r.isDir) return Fail(DeviceError::AccessDenied);
    if (!WritableFile(r)) return false;
    if (unlinkat(r.dir, r.name.constData(), 0) != 0) return FailErrno(errno);
    NoteEntry(r, r.name, false);
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
    // FAT holds files below 4 GiB: refuse before writing gigabytes that cannot stay.
    if (dst.volume->fat && st.size > 0xffffffffULL) return Fail(DeviceError::DiskFull);

    // Written under a temporary name and renamed over the destination only when complete:
    // a failed or killed copy never leaves a partial file under the final name.
    SweepLeftovers(dst.host.left(dst.host.lastIndexOf('/')), dst.dir);
    int in = OpenEntry(src, O_RDONLY);
    if (in < 0) return FailErrno(errno);
    const QByteArray temp = TempName();
    int out = openat(dst.dir, temp.constData(),
                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (out < 0) {
        int err = errno;
        close(in);
        return FailErrno(err);
    }
    flock(out, LOCK_EX | LOCK_NB);
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
    NoteEntry(dst, dst.name, true);
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
    QByteArray target = to.name;
    if (to.exists) {
        if (to.host != from.host) return Fail(DeviceError::Exists);
        // The same entry in other letters: take the new spelling.
        target = Encode(newPath.mid(newPath.lastIndexOf(QLatin1Char('\\')) + 1));
        if (target == from.name) return true;
    }
    if (to.volume != from.volume) {
        // Across volumes only files move: copy, then remove the original.
        if (st.isDir) return Fail(DeviceError::Unsupported);
        if (!CopyFile(oldPath, newPath)) return false;
        if (unlinkat(from.dir, from.name.constData(), 0) != 0) return FailErrno(errno);
        NoteEntry(from, from.name, false);
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
    if (st.isDir) caseIndex_.remove(from.host);
    NoteEntry(from, from.name, false);
    NoteEntry(to, target, true);
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
        int fd = OpenEntry(src, O_RDONLY);
        if (fd < 0) return FailErrno(errno);
        bool ok = CopyHostAttributes(dst.host, fd, dst.st.mode, dst.volume->fat);
        close(fd);
        if (!ok) return FailErrno(errno);
    }
    if (renameat(src.dir, src.name.constData(), dst.dir, dst.name.constData()) != 0) {
        return FailErrno(errno);
    }
    NoteEntry(src, src.name, false);
    NoteEntry(dst, dst.name, true);
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
    int flags = 0;
    if (mode == OpenMode::Read) {
        flags |= O_RDONLY;
    } else {
        if (r.volume->readOnly || (r.exists && !WritableFile(r))) {
            Fail(DeviceError::AccessDenied);
            return nullptr;
        }
        flags |= mode == OpenMode::ReadWrite ? O_RDWR : (O_WRONLY | O_CREAT | O_TRUNC);
    }
    int fd = openat(r.dir, r.name.constData(), flags | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) {
        FailErrno(errno);
        return nullptr;
    }
    if (!r.exists && mode == OpenMode::CreateAlways) NoteEntry(r, r.name, true);
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
    return std::make_unique<HostFile>(fd);
}

std::unique_ptr<DeviceFile> HostDeviceFs::CreateTempFile(const QString& folder, QString* path) {
    Resolved r;
    if (!ResolveExisting(folder, &r)) return nullptr;
    if (!r.isDir || r.volume->readOnly) {
        Fail(r.isDir ? DeviceError::AccessDenied : DeviceError::NotFound);
        return nullptr;
    }
    const int folderFd = OpenEntry(r, O_PATH | O_DIRECTORY);
    if (folderFd < 0) {
        FailErrno(errno);
        return nullptr;
    }
    SweepLeftovers(r.host, folderFd);
    int fd = -1;
    QByteArray name;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        name = TempName();
        fd = openat(folderFd, name.constData(),
                    O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) break;
    }
    const int err = errno;
    if (fd >= 0) NoteTempEntry(r.host, folderFd);
    close(folderFd);
    if (fd < 0) {
        FailErrno(err);
        return nullptr;
    }
    flock(fd, LOCK_EX | LOCK_NB);  // marks it live for other processes
    *path = (folder.endsWith(QLatin1Char('\\')) ? folder : folder + QLatin1Char('\\')) +
            QString::fromLatin1(name);
    return std::make_unique<HostFile>(fd);
}

std::unique_ptr<DeviceFile> HostDeviceFs::LockFile(const QString& path) {
    Resolved r;
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
    return std::make_unique<HostFile>(fd);
}

std::optional<quint32> HostDeviceFs::GetPermissions(const QString& path) {
    Resolved r;
    if (!ResolveExisting(path, &r)) return std::nullopt;
    return quint32(r.st.mode & 0777);
}

bool HostDeviceFs::SetPermissions(const QString& path, quint32 mode) {
    Resolved r;
    if (!ResolveExisting(path, &r)) return false;
    if (r.isVolumeRoot || r.volume->readOnly) return Fail(DeviceError::AccessDenied);
    if (fchmodat(r.dir, r.name.constData(), mode & 0777, AT_SYMLINK_NOFOLLOW) != 0) {
        return FailErrno(errno);
    }
    return true;
}

bool HostDeviceFs::GetTimes(const QString& path, FileTime* creation, FileTime* access,
                            FileTime* write) {
    Resolved r;
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
    Resolved r;
    if (!ResolveExisting(path, &r)) return false;
    if (r.volume->readOnly) return Fail(DeviceError::AccessDenied);
    timespec times[2] = {ToTimespec(access), ToTimespec(write)};
    if (utimensat(r.dir, r.name.constData(), times, AT_SYMLINK_NOFOLLOW) != 0) {
        return FailErrno(errno);
    }
    return true;
}

std::optional<VolumeSpace> HostDeviceFs::GetDiskFreeSpace(const QString& path) {
    Resolved r;
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
