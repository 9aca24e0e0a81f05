#include "platform/host_attributes.h"

#include <fcntl.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/file_attributes.h"

namespace {

constexpr char kDosAttrib[] = "user.DOSATTRIB";
constexpr char kNuvioAttrib[] = "user.nuvio.attrib";
constexpr quint32 kDosBits = Attr::kHidden | Attr::kSystem | Attr::kArchive;
constexpr quint32 kOwnBits = Attr::kInRom | Attr::kTemporary | Attr::kRomModule;

std::optional<QByteArray> GetXattr(const QByteArray& path, const char* key) {
    char buffer[256];
    ssize_t n = lgetxattr(path.constData(), key, buffer, sizeof buffer);
    if (n < 0) return std::nullopt;
    return QByteArray(buffer, int(n));
}

std::optional<quint32> ParseHexText(const QByteArray& value) {
    if (!value.startsWith("0x") && !value.startsWith("0X")) return std::nullopt;
    quint32 bits = 0;
    int digits = 0;
    for (int i = 2; i < value.size() && digits < 8; ++i, ++digits) {
        char c = value.at(i);
        int d = (c >= '0' && c <= '9')   ? c - '0'
                : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                         : -1;
        if (d < 0) break;
        bits = bits << 4 | quint32(d);
    }
    if (digits == 0) return std::nullopt;
    return bits;
}

int OpenForIoctl(const QByteArray& path, bool isDir) {
    return open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | (isDir ? O_DIRECTORY : 0));
}

// Never through a link that replaced the entry meanwhile.
int ChmodNoFollow(const QByteArray& path, mode_t mode) {
    return fchmodat(AT_FDCWD, path.constData(), mode, AT_SYMLINK_NOFOLLOW);
}

// A user xattr can only be written with write permission; lend the owner's bit meanwhile.
template <typename F>
bool WithOwnerWrite(const QByteArray& path, mode_t mode, F&& write) {
    bool lend = (mode & S_IWUSR) == 0;
    if (lend && ChmodNoFollow(path, (mode & 07777) | S_IWUSR) != 0) return write();
    bool ok = write();
    int saved = errno;
    if (lend) ChmodNoFollow(path, mode & 07777);
    errno = saved;
    return ok;
}

}  // namespace

bool HostStatAt(int dirFd, const char* name, HostStat* out, bool* isLink) {
    struct statx sx {};
    // An empty name asks about the open file itself.
    const int flags =
        AT_SYMLINK_NOFOLLOW | AT_STATX_SYNC_AS_STAT | (name[0] == '\0' ? AT_EMPTY_PATH : 0);
    if (statx(dirFd, name, flags, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0) {
        return false;
    }
    *isLink = S_ISLNK(sx.stx_mode);
    out->isDir = S_ISDIR(sx.stx_mode);
    out->isRegular = S_ISREG(sx.stx_mode);
    out->mode = sx.stx_mode;
    out->size = out->isRegular ? sx.stx_size : 0;
    out->inode = sx.stx_ino;
    if (sx.stx_mask & STATX_BTIME) {
        out->birthSec = sx.stx_btime.tv_sec;
        out->birthNsec = sx.stx_btime.tv_nsec;
    } else {
        out->birthSec = -1;
    }
    out->accessSec = sx.stx_atime.tv_sec;
    out->accessNsec = sx.stx_atime.tv_nsec;
    out->writeSec = sx.stx_mtime.tv_sec;
    out->writeNsec = sx.stx_mtime.tv_nsec;
    return true;
}

std::optional<quint32> ParseDosAttrib(const QByteArray& value) {
    // Samba's binary blob starts with the same "0x.." text and a NUL before its own fields.
    return ParseHexText(value);
}

namespace {

// Which of our two values the entry holds: one listing instead of two lookups, since most
// entries hold neither.
void StoredValues(const QByteArray& hostPath, bool* dos, bool* own) {
    char names[512];
    ssize_t n = llistxattr(hostPath.constData(), names, sizeof names);
    if (n < 0) {
        *dos = *own = errno == ERANGE;  // too many to list: look both up
        return;
    }
    *dos = *own = false;
    for (ssize_t at = 0; at < n; at += ssize_t(std::strlen(names + at)) + 1) {
        if (std::strcmp(names + at, kDosAttrib) == 0) *dos = true;
        if (std::strcmp(names + at, kNuvioAttrib) == 0) *own = true;
    }
}

}  // namespace

bool HasOwnRomBits(const QByteArray& hostPath) {
    bool storedDos = false, storedOwn = false;
    StoredValues(hostPath, &storedDos, &storedOwn);
    if (!storedOwn) return false;
    auto raw = GetXattr(hostPath, kNuvioAttrib);
    auto bits = raw ? ParseHexText(*raw) : std::nullopt;
    return bits && (*bits & (Attr::kInRom | Attr::kRomModule));
}

quint32 ReadHostAttributes(const QByteArray& hostPath, const HostStat& st, const QString& name,
                           bool readOnlyVolume, bool fatVolume) {
    quint32 bits = 0;
    bool storedDos = false, storedOwn = false;
    StoredValues(hostPath, &storedDos, &storedOwn);
    if (st.isDir) bits |= Attr::kDirectory;
    if ((st.mode & 0222) == 0) bits |= Attr::kReadOnly;
    bool haveDos = false;
    if (fatVolume) {
        int fd = OpenForIoctl(hostPath, st.isDir);
        __u32 fat = 0;
        if (fd >= 0 && ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &fat) == 0) {
            bits |= quint32(fat) & (kDosBits | Attr::kReadOnly);
            haveDos = true;
        }
        if (fd >= 0) close(fd);
    }
    if (!haveDos && storedDos) {
        if (auto raw = GetXattr(hostPath, kDosAttrib)) {
            if (auto parsed = ParseDosAttrib(*raw)) {
                bits |= *parsed & kDosBits;
                haveDos = true;
            }
        }
    }
    if (!haveDos) {
        if (name.startsWith(QLatin1Char('.'))) bits |= Attr::kHidden;
        if (st.isRegular) bits |= Attr::kArchive;
    }
    if (storedOwn) {
        if (auto raw = GetXattr(hostPath, kNuvioAttrib)) {
            if (auto parsed = ParseHexText(*raw)) bits |= *parsed & kOwnBits;
        }
    }
    if (readOnlyVolume && !st.isDir) bits |= Attr::kInRom;
    return bits;
}

bool WriteHostAttributes(const QByteArray& hostPath, const HostStat& st, quint32 current,
                         quint32 wanted, bool fatVolume, int* err) {
    *err = 0;
    const char* path = hostPath.constData();
    if ((wanted & kDosBits) != (current & kDosBits)) {
        bool ok = false;
        if (fatVolume) {
            int fd = OpenForIoctl(hostPath, st.isDir);
            __u32 fat = (wanted & (kDosBits | Attr::kReadOnly));
            ok = fd >= 0 && ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &fat) == 0;
            if (fd >= 0) close(fd);
        } else {
            char text[16];
            int n = std::snprintf(text, sizeof text, "0x%x", unsigned(wanted & kDosBits));
            ok = WithOwnerWrite(hostPath, st.mode,
                                [&] { return lsetxattr(path, kDosAttrib, text, n, 0) == 0; });
        }
        if (!ok) {
            *err = errno ? errno : EIO;
            return false;
        }
    }
    if ((wanted & kOwnBits) != (current & kOwnBits)) {
        quint32 own = wanted & kOwnBits;
        bool ok = WithOwnerWrite(hostPath, st.mode, [&] {
            if (own == 0) return lremovexattr(path, kNuvioAttrib) == 0 || errno == ENODATA;
            char text[16];
            int n = std::snprintf(text, sizeof text, "0x%x", unsigned(own));
            return lsetxattr(path, kNuvioAttrib, text, n, 0) == 0;
        });
        if (!ok) {
            *err = errno ? errno : EIO;
            return false;
        }
    }
    bool readOnly = (wanted & Attr::kReadOnly) != 0;
    if (readOnly != ((current & Attr::kReadOnly) != 0)) {
        mode_t mode = st.mode & 07777;
        mode = readOnly ? (mode & ~mode_t(0222)) : (mode | S_IWUSR);
        if (ChmodNoFollow(hostPath, mode) != 0) {
            *err = errno;
            return false;
        }
    }
    return true;
}

bool CopyHostAttributes(const QByteArray& from, int toFd, mode_t fromMode, bool fatVolume) {
    bool storedDos = false, storedOwn = false;
    StoredValues(from, &storedDos, &storedOwn);
    for (const char* key : {kDosAttrib, kNuvioAttrib}) {
        if ((key == kDosAttrib ? storedDos : storedOwn) == false) continue;
        if (auto raw = GetXattr(from, key)) {
            // A file system without extended attributes still takes the copy.
            if (fsetxattr(toFd, key, raw->constData(), size_t(raw->size()), 0) != 0 &&
                !fatVolume && errno != ENOTSUP) {
                return false;
            }
        }
    }
    if (fatVolume) {
        int fd = OpenForIoctl(from, false);
        __u32 fat = 0;
        if (fd >= 0 && ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &fat) == 0) {
            ioctl(toFd, FAT_IOCTL_SET_ATTRIBUTES, &fat);
        }
        if (fd >= 0) close(fd);
    }
    // Where permissions are fixed by the mount (FAT, exFAT), there is nothing to keep.
    return fchmod(toFd, fromMode & 07777) == 0 || errno == EPERM || errno == ENOTSUP;
}
