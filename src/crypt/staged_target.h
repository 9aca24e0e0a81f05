#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "platform/device_fs.h"


// A target written through a temporary file in its folder: the target is replaced (or
// created) only by Commit, once every byte is written and flushed. The temporary file is one
// of the device's own hidden writer-unique files, so a killed run leaves nothing that is
// listed or packed; it is removed when the object goes without a successful Commit.
class StagedTarget {
public:
    // mode: the source's permission bits, which the target takes (never wider than them).
    StagedTarget(DeviceFs& fs, QString target, std::optional<quint32> mode);
    ~StagedTarget();
    StagedTarget(const StagedTarget&) = delete;
    StagedTarget& operator=(const StagedTarget&) = delete;

    bool Open();
    bool Write(const char* data, qint64 count);
    // Flushes and closes the temporary file, checks that it holds the bytes written, and puts
    // it in place of the target.
    bool Commit();
    // Why the call that failed failed, for the message.
    DeviceError Cause() const { return cause_; }

private:
    bool Failed(DeviceError cause) {
        cause_ = cause;
        return false;
    }

    void Discard();

    DeviceFs& fs_;
    QString target_;
    std::optional<quint32> mode_;
    QString temporary_;
    std::unique_ptr<DeviceFile> file_;
    qint64 written_ = 0;
    bool committed_ = false;
    DeviceError cause_ = DeviceError::None;
};
