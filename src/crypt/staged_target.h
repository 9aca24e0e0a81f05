#pragma once

#include <QString>
#include <memory>

class DeviceFile;
class DeviceFs;

// A target written through a temporary file in its folder: the target is replaced (or
// created) only by Commit, once every byte is written and flushed. The temporary file is
// removed when the object goes without a successful Commit.
class StagedTarget {
public:
    StagedTarget(DeviceFs& fs, QString target);
    ~StagedTarget();
    StagedTarget(const StagedTarget&) = delete;
    StagedTarget& operator=(const StagedTarget&) = delete;

    bool Open();
    bool Write(const char* data, qint64 count);
    // Flushes and closes the temporary file, checks that it holds the bytes written, and puts
    // it in place of the target.
    bool Commit();

private:
    void Discard();

    DeviceFs& fs_;
    QString target_;
    QString temporary_;
    std::unique_ptr<DeviceFile> file_;
    qint64 written_ = 0;
    bool committed_ = false;
};
