#include "recycle/piece_packer.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

PiecePacker::PiecePacker(int workers) {
    if (workers <= 0) workers = int(std::max(1u, std::thread::hardware_concurrency()));
    for (int i = 0; i < workers; ++i)
        workers_.emplace_back([this] { Work(); });
}

PiecePacker::~PiecePacker() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
        waiting_.clear();
    }
    wake_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

void PiecePacker::Submit(std::shared_ptr<ArchivePiece> piece) {
    {
        std::lock_guard lock(mutex_);
        waiting_.push_back(std::move(piece));
    }
    wake_.notify_one();
}

bool PiecePacker::WaitFor(const ArchivePiece& piece, int milliseconds, bool* ok) {
    std::unique_lock lock(mutex_);
    const bool done = finished_.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                         [&] { return piece.done; });
    if (done) {
        const auto found = std::find(failed_.begin(), failed_.end(), &piece);
        *ok = found == failed_.end();
        if (!*ok) failed_.erase(found);
    }
    return done;
}

void PiecePacker::Work() {
    // A packer on every core would take turns with the window's thread, which then paints
    // late; packers give way to it (a failure leaves the priority as it was).
    setpriority(PRIO_PROCESS, id_t(gettid()), getpriority(PRIO_PROCESS, id_t(gettid())) + 5);
    PieceWorkspace workspace;
    for (;;) {
        std::shared_ptr<ArchivePiece> piece;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stop_ || !waiting_.empty(); });
            if (stop_) return;
            piece = std::move(waiting_.front());
            waiting_.pop_front();
        }
        const bool ok = workspace.Pack(*piece);
        {
            std::lock_guard lock(mutex_);
            piece->done = true;
            if (!ok) failed_.push_back(piece.get());
        }
        finished_.notify_all();
    }
}
