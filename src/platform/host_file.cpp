#include "platform/host_file.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <vector>

#include "platform/file_time.h"
#include "platform/host_io.h"

bool CopyHostContent(int in, int out, qint64 size, bool* cloneFails, int* err) {
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

namespace {

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
            if (n < 0) return Failed(-1);
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
            if (n == 0) errno = ENOSPC;  // a write that takes nothing has no room left
            if (n <= 0) return Failed(false);
            total += n;
        }
        return true;
    }
    bool Seek(qint64 position) override {
        return lseek(fd_, position, SEEK_SET) == position || Failed(false);
    }
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
        return futimens(fd_, times) == 0 || Failed(false);
    }
    bool Flush() override { return fsync(fd_) == 0 || Failed(false); }
    std::optional<quint32> Permissions() const override {
        struct stat st {};
        if (fstat(fd_, &st) != 0) return std::nullopt;
        return quint32(st.st_mode & 0777);
    }
    bool SetPermissions(quint32 mode) override {
        return fchmod(fd_, mode & 0777) == 0 || Failed(false);
    }
    qint64 CopyFrom(DeviceFile& source, qint64 count) override {
        auto* host = dynamic_cast<HostFile*>(&source);
        if (!host || plainCopy_) return DeviceFile::CopyFrom(source, count);
        qint64 done = 0;
        while (done < count) {
            const ssize_t n =
                copy_file_range(host->fd_, nullptr, fd_, nullptr, size_t(count - done), 0);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && done == 0 &&
                (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
                // Another file system, or a kernel without it: the plain way from now on.
                plainCopy_ = true;
                return DeviceFile::CopyFrom(source, count);
            }
            if (n < 0) return Failed(qint64(-1));
            if (n == 0) break;
            done += n;
        }
        return done;
    }
    bool Close() override {
        int fd = fd_;
        fd_ = -1;
        return (fd >= 0 && ::close(fd) == 0) || Failed(false);
    }
    DeviceError LastError() const override { return ErrorFromErrno(err_); }

private:
    // Keeps errno of the failed call, which later calls would overwrite.
    template <typename T>
    T Failed(T value) {
        err_ = errno ? errno : EIO;
        return value;
    }

    int fd_;
    bool plainCopy_ = false;
    int err_ = EIO;
};

}  // namespace

std::unique_ptr<DeviceFile> MakeHostFile(int fd) {
    return std::make_unique<HostFile>(fd);
}
