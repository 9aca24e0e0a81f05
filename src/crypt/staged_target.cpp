#include "crypt/staged_target.h"

#include "app/path_helpers.h"
#include "fileops/file_names.h"
#include "platform/device_fs.h"

StagedTarget::StagedTarget(DeviceFs& fs, QString target, std::optional<quint32> mode)
    : fs_(fs), target_(std::move(target)), mode_(mode) {}

StagedTarget::~StagedTarget() {
    if (!committed_) Discard();
}

bool StagedTarget::Open() {
    QString folder;
    if (file_ || !GetFolderPart(target_, &folder)) return false;
    file_ = fs_.CreateTempFile(folder, &temporary_);
    if (!file_) {
        temporary_.clear();
        return Failed(fs_.LastError());
    }
    // The file starts private to the user; a source readable by fewer people narrows it, and
    // where the volume keeps no modes it simply stays as made.
    if (mode_) file_->SetPermissions(*mode_ & 0777);
    return true;
}

bool StagedTarget::Write(const char* data, qint64 count) {
    if (!file_) return false;
    if (!file_->Write(data, count)) return Failed(file_->LastError());
    written_ += count;
    return true;
}

bool StagedTarget::Commit() {
    if (!file_) return false;
    const bool flushed = file_->Flush();
    if (!flushed) cause_ = file_->LastError();
    const bool closed = file_->Close();
    if (flushed && !closed) cause_ = file_->LastError();
    file_.reset();
    if (!flushed || !closed) return false;
    if (GetFileSize64(fs_, temporary_) != quint64(written_)) return Failed(DeviceError::Io);
    const bool placed = PathExists(fs_, target_) ? fs_.ReplaceFile(temporary_, target_)
                                                 : fs_.MoveFile(temporary_, target_);
    if (!placed) return Failed(fs_.LastError());
    committed_ = true;
    return true;
}

void StagedTarget::Discard() {
    if (file_) {
        file_->Close();
        file_.reset();
    }
    if (!temporary_.isEmpty()) DeleteFileForce(fs_, temporary_);
}
