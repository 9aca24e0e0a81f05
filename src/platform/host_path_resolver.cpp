#include "platform/host_path_resolver.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <cerrno>

#include "platform/device_path.h"
#include "platform/host_io.h"

namespace {

bool Fail(DeviceError* error, DeviceError e) {
    *error = e;
    return false;
}

// Opens a folder below dirFd in one call, refusing links and anything outside; -1 with errno
// ENOSYS where the kernel lacks openat2.
int OpenBeneath(int dirFd, const QByteArray& relative) {
    open_how how{};
    how.flags = O_PATH | O_DIRECTORY | O_CLOEXEC;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_SYMLINKS | RESOLVE_NO_MAGICLINKS;
    long fd;
    do {
        fd = syscall(SYS_openat2, dirFd, relative.constData(), &how, sizeof how);
    } while (fd < 0 && errno == EAGAIN);
    return int(fd);
}

}  // namespace

ResolvedPath::~ResolvedPath() {
    if (dir >= 0) close(dir);
}

void ResolvedPath::Reset() {
    if (dir >= 0) close(dir);
    dir = -1;
    volume = nullptr;
    name.clear();
    host.clear();
    exists = isDir = isVolumeRoot = false;
    st = HostStat();
}

QByteArray ResolvedPath::At() const {
    return ProcPath(dir, name);
}

int ResolvedPath::OpenEntry(int flags) const {
    return openat(dir, name.constData(), flags | O_NOFOLLOW | O_CLOEXEC);
}

bool HostPathResolver::Resolve(const QString& path, ResolvedPath* out, DeviceError* error) {
    out->Reset();
    QStringList parts;
    if (!SplitDevicePath(path, &parts)) return Fail(error, DeviceError::InvalidPath);
    volumes_.Refresh();
    out->volume = &volumes_.root();
    int first = 0;
    if (!parts.isEmpty()) {
        if (const HostVolume* card = volumes_.FindCard(parts.first())) {
            out->volume = card;
            first = 1;
        }
    }
    out->host = out->volume->hostRoot;
    int rootFd = open(out->host.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (rootFd < 0) return Fail(error, ErrorFromErrno(errno));
    if (first == parts.size()) {
        out->dir = rootFd;
        out->name = ".";
        bool link = false;
        out->exists = HostStatAt(rootFd, "", &out->st, &link) && out->st.isDir;
        out->isDir = true;
        out->isVolumeRoot = true;
        return out->exists ? true : Fail(error, DeviceError::NotFound);
    }
    // The parent folder: one call when every name is spelled as stored, else a folder at a
    // time with the case-insensitive lookup. Links are never followed.
    int dir = rootFd;
    if (parts.size() - first > 1) {
        QByteArray relative;
        for (int i = first; i < parts.size() - 1; ++i)
            relative += (relative.isEmpty() ? "" : "/") + EncodeHostName(parts[i]);
        int fd = noOpenat2_ ? -1 : OpenBeneath(rootFd, relative);
        if (fd < 0 && errno == ENOSYS) noOpenat2_ = true;
        if (fd >= 0) {
            close(rootFd);
            dir = fd;
            out->host = JoinHostPath(out->host, relative);
        } else {
            for (int i = first; i < parts.size() - 1; ++i) {
                QByteArray name = EncodeHostName(parts[i]);
                int next =
                    openat(dir, name.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (next < 0 && errno == ENOENT &&
                    FindCaseVariant(dir, out->host, parts[i], &name)) {
                    next = openat(dir, name.constData(),
                                  O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                }
                close(dir);
                if (next < 0) {
                    out->host.clear();
                    return Fail(error, DeviceError::NotFound);
                }
                dir = next;
                out->host = JoinHostPath(out->host, name);
            }
        }
    }
    out->dir = dir;
    out->name = EncodeHostName(parts.last());
    out->exists = StatAt(dir, out->name, &out->st);
    QByteArray alt;
    if (!out->exists && FindCaseVariant(dir, out->host, parts.last(), &alt) &&
        StatAt(dir, alt, &out->st)) {
        out->name = alt;
        out->exists = true;
    }
    out->isDir = out->exists && out->st.isDir;
    out->host = JoinHostPath(out->host, out->name);
    return true;  // an entry that exists, or one that may be created
}

bool HostPathResolver::FindCaseVariant(int dirFd, const QByteArray& folder, const QString& name,
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
            if (entry->d_type == DT_LNK || IsOwnHostName(entry->d_name)) continue;
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

void HostPathResolver::NoteTempEntry(const QByteArray& folder, int folderFd) {
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

void HostPathResolver::NoteEntry(const ResolvedPath& r, const QByteArray& name, bool added) {
    const QByteArray folder = r.host.left(r.host.lastIndexOf('/'));
    auto it = caseIndex_.find(folder);
    if (it == caseIndex_.end()) return;
    const QString folded = DecodeHostName(name.constData()).toCaseFolded();
    if (added) {
        it->names.insert(folded, name);
    } else {
        it->names.remove(folded);
    }
    NoteTempEntry(folder, r.dir);  // the index is current again
}

void HostPathResolver::SweepLeftovers(const QByteArray& folder, int folderFd) {
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
        if (std::strncmp(entry->d_name, kHostTempPrefix, sizeof kHostTempPrefix - 1) != 0) continue;
        if (IsDeadLeftover(dirfd(dir), entry->d_name)) unlinkat(dirfd(dir), entry->d_name, 0);
    }
    closedir(dir);
}
