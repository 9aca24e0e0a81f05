#include "platform/host_io.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>

#include "platform/device_path.h"
#include "platform/file_time.h"

QString DecodeHostName(const char* raw) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString name = decoder.decode(QByteArrayView(raw));
    if (decoder.hasError() || !IsValidDeviceName(name)) return {};
    return name;
}

bool IsOwnHostName(const char* raw) {
    return std::strncmp(raw, ".nuvio-", 7) == 0;
}

QByteArray JoinHostPath(const QByteArray& folder, const QByteArray& name) {
    QByteArray out = folder;
    if (!out.endsWith('/')) out += '/';
    return out + name;
}

QByteArray ProcPath(int fd, const QByteArray& name) {
    QByteArray out = "/proc/self/fd/" + QByteArray::number(fd);
    if (name != ".") out += '/' + name;
    return out;
}

void FillFind(const HostStat& st, quint32 attributes, const QString& name, FindData* out) {
    out->attributes = attributes;
    out->lastWriteTime = FileTimeFromUnix(st.writeSec, st.writeNsec);
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

int OpenDirAt(int dirFd, const char* name) {
    return openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// The process id tells a later sweep whether the writer still lives.
QByteArray HostTempName() {
    quint64 r = QRandomGenerator::global()->generate64();
    return QByteArray(kHostTempPrefix) + QByteArray::number(getpid()) + '-' +
           QByteArray::number(r, 16);
}

bool IsDeadLeftover(int dirFd, const char* raw) {
    const char* pidText = raw + sizeof kHostTempPrefix - 1;
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

DeviceError ErrorFromErrno(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
            return DeviceError::NotFound;
        case EEXIST:
            return DeviceError::Exists;
        case EACCES:
        case EPERM:
        case EBUSY:
            return DeviceError::AccessDenied;
        case EROFS:
            return DeviceError::WriteProtected;
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
