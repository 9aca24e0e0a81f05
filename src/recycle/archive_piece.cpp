#include "recycle/archive_piece.h"

#include <libdeflate.h>
#include <zlib.h>

#include <algorithm>

namespace {

// The trial looks at this much of the start; a gain below 2% is not worth a deflated entry.
constexpr qsizetype kTrialBlock = 64 << 10;
constexpr qsizetype kTrialKeepPercent = 98;
// Level 6 like zlib's default: the same ratio as a zip at its default level.
constexpr int kLevel = 6;

}  // namespace

PieceWorkspace::PieceWorkspace()
    : fast_(libdeflate_alloc_compressor(1)), normal_(libdeflate_alloc_compressor(kLevel)) {}

PieceWorkspace::~PieceWorkspace() {
    libdeflate_free_compressor(fast_);
    libdeflate_free_compressor(normal_);
    if (stream_) {
        deflateEnd(stream_);
        delete stream_;
    }
}

bool PieceWorkspace::Compresses(const unsigned char* data, qsizetype size) {
    const qsizetype trial = std::min(size, kTrialBlock);
    if (trial == 0 || !fast_) return true;
    std::vector<unsigned char> out(size_t(trial) * kTrialKeepPercent / 100);
    return libdeflate_deflate_compress(fast_, data, size_t(trial), out.data(), out.size()) != 0;
}

bool PieceWorkspace::Pack(ArchivePiece& piece) {
    piece.crc = libdeflate_crc32(0, piece.data.data(), piece.data.size());
    if (piece.folder) {
        piece.deflate = false;
        return true;
    }
    if (!piece.chooseMethod) return !piece.deflate || DeflateStream(piece);
    // One whole buffer: stored unless deflate wins.
    piece.deflate = false;
    if (piece.data.empty() || !normal_ || !Compresses(piece.data.data(), qsizetype(piece.data.size())))
        return true;
    piece.packed.resize(piece.data.size() - 1);
    const size_t n = libdeflate_deflate_compress(normal_, piece.data.data(), piece.data.size(),
                                                 piece.packed.data(), piece.packed.size());
    if (n == 0) {
        piece.packed = {};
        return true;
    }
    piece.packed.resize(n);
    piece.deflate = true;
    return true;
}

// A piece of a longer stream: raw deflate primed with the previous piece's end, closed with
// a sync flush (the last one with the final block), so that the pieces join into one stream.
bool PieceWorkspace::DeflateStream(ArchivePiece& piece) {
    if (!stream_) {
        stream_ = new z_stream{};
        if (deflateInit2(stream_, kLevel, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
            delete stream_;
            stream_ = nullptr;
            return false;
        }
    } else if (deflateReset(stream_) != Z_OK) {
        return false;
    }
    if (!piece.dictionary.empty() &&
        deflateSetDictionary(stream_, piece.dictionary.data(), uInt(piece.dictionary.size())) !=
            Z_OK) {
        return false;
    }
    piece.packed.resize(deflateBound(stream_, uLong(piece.data.size())) + 16);
    stream_->next_in = piece.data.data();
    stream_->avail_in = uInt(piece.data.size());
    stream_->next_out = piece.packed.data();
    stream_->avail_out = uInt(piece.packed.size());
    const int result = deflate(stream_, piece.last ? Z_FINISH : Z_SYNC_FLUSH);
    if (piece.last ? result != Z_STREAM_END : (result != Z_OK || stream_->avail_in != 0))
        return false;
    piece.packed.resize(piece.packed.size() - stream_->avail_out);
    return true;
}
