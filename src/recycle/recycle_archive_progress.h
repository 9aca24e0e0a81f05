#pragma once

#include "app/progress.h"

// Progress of packing and restoring: passes what the copy engine reports on to the caller's
// sink with the totals of the whole item, and adds reports from inside a large file so that
// the window keeps repainting and a cancel is seen early. The sink may be null.
class ArchiveProgress : public Progress {
public:
    explicit ArchiveProgress(Progress* sink) : sink_(sink) {}

    void SetTotals(quint64 bytes, quint64 files);

    // What CopyTree reports; false once cancelled.
    bool Update(const ProgressState& state) override;

    // For work that is not driven by CopyTree: before a path, after a file.
    bool Begin(const QString& path);
    bool Done(quint64 bytes);
    // Bytes of the current file so far.
    bool Partial(quint64 bytes);

    bool Cancelled() const { return cancelled_; }

private:
    bool Report(const ProgressState& state);

    Progress* sink_;
    ProgressState state_;
    quint64 totalBytes_ = 0;
    quint64 totalFiles_ = 0;
    bool cancelled_ = false;
};
