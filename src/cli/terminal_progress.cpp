#include "cli/terminal_progress.h"

#include <unistd.h>

#include <QtGlobal>

#include "cli/cli_output.h"

std::unique_ptr<TerminalProgress> TerminalProgress::Create() {
    if (!isatty(STDERR_FILENO)) return nullptr;
    return std::unique_ptr<TerminalProgress>(new TerminalProgress);
}

TerminalProgress::~TerminalProgress() {
    // Messages that follow start on a clean line.
    if (shown_ >= 0) WriteErr(QStringLiteral("\r     \r"));
}

int TerminalProgress::Percent(const ProgressState& state) {
    const quint64 done = state.totalBytes ? state.doneBytes : state.doneFiles;
    const quint64 total = state.totalBytes ? state.totalBytes : state.totalFiles;
    if (total == 0) return -1;
    return int(qMin<quint64>(100, done * 100 / total));
}

bool TerminalProgress::Update(const ProgressState& state) {
    const int percent = Percent(state);
    // Rewritten only when the number changes: a terminal write per file would cost more
    // than small files take to copy.
    if (percent >= 0 && percent != shown_) {
        shown_ = percent;
        WriteErr(QStringLiteral("\r%1%").arg(percent, 3));
    }
    return true;
}
