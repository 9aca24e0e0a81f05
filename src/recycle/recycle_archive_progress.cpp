#include "recycle/recycle_archive_progress.h"

void ArchiveProgress::SetTotals(quint64 bytes, quint64 files) {
    totalBytes_ = bytes;
    totalFiles_ = files;
}

bool ArchiveProgress::Report(const ProgressState& state) {
    if (!cancelled_ && sink_ && !sink_->Update(state)) cancelled_ = true;
    return !cancelled_;
}

bool ArchiveProgress::Update(const ProgressState& state) {
    state_ = state;
    state_.totalBytes = qMax(totalBytes_, state.doneBytes);
    state_.totalFiles = qMax(totalFiles_, state.doneFiles);
    return Report(state_);
}

bool ArchiveProgress::Begin(const QString& path) {
    state_.currentPath = path;
    state_.totalBytes = qMax(totalBytes_, state_.doneBytes);
    state_.totalFiles = qMax(totalFiles_, state_.doneFiles);
    return Report(state_);
}

bool ArchiveProgress::Done(quint64 bytes) {
    state_.doneBytes += bytes;
    ++state_.doneFiles;
    return Begin(state_.currentPath);
}

bool ArchiveProgress::Partial(quint64 bytes) {
    ProgressState now = state_;
    now.doneBytes += bytes;
    now.totalBytes = qMax(now.totalBytes, now.doneBytes);
    return Report(now);
}
