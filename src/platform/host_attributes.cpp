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
    char buffer[256];  // Samba's values are under 64 bytes; a longer one is not ours to read
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

namespace {

// Samba's binary form, as its marshalling writes it: the hex text with its NUL (empty since
// Samba 4.9), padding to 2, the version and the union's level (both uint16, the same number),
// padding to 4, then the version's fields, little-endian. The attribute word is the first
// field of version 1 and follows the valid flags in versions 2 to 5 (3 to 5 mark it valid
// with bit 0x1 of the flags).
struct DosAttribLayout {
    qsizetype wordAt = -1;   // offset of the binary attribute word; -1 in the text form
    qsizetype flagsAt = -1;  // offset of the valid flags (versions 3 to 5)
    bool wordValid = false;
    qsizetype textEnd = 0;   // the hex text's length
};

quint32 Le32(const QByteArray& value, qsizetype at) {
    const auto* p = reinterpret_cast<const uchar*>(value.constData()) + at;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

DosAttribLayout LayoutOf(const QByteArray& value) {
    DosAttribLayout layout;
    const qsizetype nul = value.indexOf('\0');
    layout.textEnd = nul < 0 ? value.size() : nul;
    // A text with one NUL and nothing after it is still the text form.
    if (nul < 0 || nul + 1 >= value.size()) return layout;
    qsizetype at = (nul + 2) & ~qsizetype(1);
    if (at + 4 > value.size()) return layout;
    const auto* p = reinterpret_cast<const uchar*>(value.constData()) + at;
    const int version = p[0] | p[1] << 8;
    const int level = p[2] | p[3] << 8;
    if (version < 1 || version > 5 || level != version) return layout;
    at = (at + 4 + 3) & ~qsizetype(3);
    const qsizetype wordAt = version == 1 ? at : at + 4;
    if (wordAt + 4 > value.size()) return layout;
    layout.wordAt = wordAt;
    if (version >= 3) layout.flagsAt = at;
    layout.wordValid = version < 3 || (Le32(value, at) & 0x1) != 0;
    return layout;
}

}  // namespace

std::optional<quint32> ParseDosAttrib(const QByteArray& value) {
    const DosAttribLayout layout = LayoutOf(value);
    if (layout.wordValid) return Le32(value, layout.wordAt);
    return ParseHexText(value.left(layout.textEnd));
}

QByteArray ChangeDosAttrib(const QByteArray& value, quint32 bits) {
    char text[16];
    const int n = std::snprintf(text, sizeof text, "0x%x", unsigned(bits));
    if (value.isEmpty()) return QByteArray(text, n);
    const DosAttribLayout layout = LayoutOf(value);
    if (layout.wordAt < 0) {
        // The text form, with its NUL when it had one.
        return QByteArray(text, n) + value.mid(layout.textEnd, 1);
    }
    QByteArray changed = value;
    for (int i = 0; i < 4; ++i)
        changed[layout.wordAt + i] = char(bits >> (8 * i));
    if (layout.flagsAt >= 0) changed[layout.flagsAt] = char(changed[layout.flagsAt] | 0x1);
    // A version 3 value also keeps a hex text of the word; it must say the same (its length
    // may change the padding, so the fields move with it).
    if (layout.textEnd > 0) {
        const qsizetype oldHead = (layout.textEnd + 2) & ~qsizetype(1);
        const qsizetype oldBody = (oldHead + 4 + 3) & ~qsizetype(3);
        const qsizetype head = (n + 2) & ~qsizetype(1);
        const qsizetype body = (head + 4 + 3) & ~qsizetype(3);
        QByteArray rebuilt(text, n);
        rebuilt.append(QByteArray(head - n, '\0'));
        rebuilt.append(changed.mid(oldHead, 4));
        rebuilt.append(QByteArray(body - head - 4, '\0'));
        rebuilt.append(changed.mid(oldBody));
        return rebuilt;
    }
    return changed;
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
                // Samba keeps read-only in the word alone (its permission bits stay).
                bits |= *parsed & (kDosBits | Attr::kReadOnly);
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
    // The word carries read-only too, so that Samba sees it; a value that exists changes its
    // word only, in its own form. Read-only alone starts no value where none is stored,
    // except to set it (clearing it there changes the permission bits alone).
    constexpr quint32 kWordBits = kDosBits | Attr::kReadOnly;
    bool storedDos = false, storedOwn = false;
    if (!fatVolume) StoredValues(hostPath, &storedDos, &storedOwn);
    const bool dosChanged = (wanted & kDosBits) != (current & kDosBits);
    const bool readOnlyChanged = (wanted & Attr::kReadOnly) != (current & Attr::kReadOnly);
    if (dosChanged || (readOnlyChanged && (fatVolume || storedDos || (wanted & Attr::kReadOnly)))) {
        bool ok = false;
        if (fatVolume) {
            int fd = OpenForIoctl(hostPath, st.isDir);
            __u32 fat = (wanted & kWordBits);
            ok = fd >= 0 && ioctl(fd, FAT_IOCTL_SET_ATTRIBUTES, &fat) == 0;
            if (fd >= 0) close(fd);
        } else {
            QByteArray old;
            if (storedDos) old = GetXattr(hostPath, kDosAttrib).value_or(QByteArray());
            // Bits of the word we do not show (Samba's offline, sparse and the like) stay.
            const quint32 kept = old.isEmpty() ? 0 : ParseDosAttrib(old).value_or(0) & ~kWordBits;
            const QByteArray value = ChangeDosAttrib(old, kept | (wanted & kWordBits));
            ok = WithOwnerWrite(hostPath, st.mode, [&] {
                return lsetxattr(path, kDosAttrib, value.constData(), size_t(value.size()), 0) == 0;
            });
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
