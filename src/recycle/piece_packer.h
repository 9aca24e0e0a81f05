#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "recycle/archive_piece.h"

// Packs archive pieces on every core while the writer goes on reading; the writer waits for
// the pieces in its own order. Stopping drops the pieces not yet begun.
class PiecePacker {
public:
    explicit PiecePacker(int workers = 0);  // 0: one per core
    ~PiecePacker();
    PiecePacker(const PiecePacker&) = delete;
    PiecePacker& operator=(const PiecePacker&) = delete;

    void Submit(std::shared_ptr<ArchivePiece> piece);
    // Waits at most milliseconds; true once the piece is packed (ok tells whether it could be).
    bool WaitFor(const ArchivePiece& piece, int milliseconds, bool* ok);

private:
    void Work();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable finished_;
    std::deque<std::shared_ptr<ArchivePiece>> waiting_;
    std::vector<const ArchivePiece*> failed_;
    std::vector<std::thread> workers_;
    bool stop_ = false;
};
