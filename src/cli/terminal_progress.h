#pragma once

#include <memory>

#include "app/progress.h"

// The command line's progress: one line on standard error with the percentage done,
// rewritten in place, and cleared when the work ends. Only for a terminal: Create gives
// null when standard error is anything else, so pipes and logs stay clean.
class TerminalProgress : public Progress {
public:
    static std::unique_ptr<TerminalProgress> Create();
    ~TerminalProgress() override;

    bool Update(const ProgressState& state) override;

    // "42%" for the state: bytes when their total is known, else files; -1 without totals.
    static int Percent(const ProgressState& state);

private:
    TerminalProgress() = default;
    int shown_ = -1;
};
