#pragma once

#include <QString>
#include <QtGlobal>

// Where long work reports: done and total bytes and files, the current path, and whether
// the user asked to stop. Work stops after the current file when Update answers false.
struct ProgressState {
    quint64 doneBytes = 0;
    quint64 totalBytes = 0;
    quint64 doneFiles = 0;
    quint64 totalFiles = 0;
    QString currentPath;
};

class Progress {
public:
    virtual ~Progress() = default;
    // false: cancel.
    virtual bool Update(const ProgressState& state) = 0;
};

// Reports into a Progress that may be null.
class ProgressTracker {
public:
    explicit ProgressTracker(Progress* sink) : sink_(sink) {}
    void SetTotals(quint64 bytes, quint64 files) {
        state_.totalBytes = bytes;
        state_.totalFiles = files;
    }
    // Before work on a path; false once cancelled.
    bool Begin(const QString& path) {
        state_.currentPath = path;
        return Report();
    }
    // After a file was done.
    bool Done(quint64 bytes) {
        state_.doneBytes += bytes;
        ++state_.doneFiles;
        return Report();
    }
    bool Cancelled() const { return cancelled_; }
    const ProgressState& State() const { return state_; }

private:
    bool Report() {
        if (!cancelled_ && sink_ && !sink_->Update(state_)) cancelled_ = true;
        return !cancelled_;
    }
    Progress* sink_;
    ProgressState state_;
    bool cancelled_ = false;
};

// Lets the work on one item run to its end when the user cancels, and stops the run between
// items: a half-moved folder or a half-copied tree is never left behind. Once the run's
// totals are set, each item's own counts add up against them, so the bar crosses the run.
class ItemProgress : public Progress {
public:
    explicit ItemProgress(Progress* sink) : sink_(sink) {}
    void SetTotals(quint64 bytes, quint64 files) {
        totals_ = true;
        base_.totalBytes = bytes;
        base_.totalFiles = files;
    }
    bool Update(const ProgressState& state) override {
        item_ = state;
        ProgressState out = state;
        if (totals_) {
            out.totalBytes = base_.totalBytes;
            out.totalFiles = base_.totalFiles;
            out.doneBytes = base_.doneBytes + state.doneBytes;
            out.doneFiles = base_.doneFiles + state.doneFiles;
        }
        if (!cancelled_ && sink_ && !sink_->Update(out)) cancelled_ = true;
        return true;
    }
    // Before each item; false once the user has cancelled.
    bool BeginItem(const QString& path) {
        base_.doneBytes += item_.doneBytes;
        base_.doneFiles += item_.doneFiles;
        ProgressState state;
        state.currentPath = path;
        Update(state);
        return !cancelled_;
    }
    Progress* sink() { return sink_ ? this : nullptr; }

private:
    Progress* sink_;
    ProgressState base_;  // the run's totals and what the finished items did
    ProgressState item_;  // the last report of the current item
    bool totals_ = false;
    bool cancelled_ = false;
};
