#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <vector>

struct libdeflate_compressor;
struct z_stream_s;

// One piece of an entry's data on its way into the archive: read by the writer, packed by a
// worker, then written in the order the pieces were made. A file of up to kWholeBuffer bytes
// is one piece; a larger one is a run of pieces deflated as one stream.
struct ArchivePiece {
    static constexpr qsizetype kWholeBuffer = 4 << 20;
    static constexpr qsizetype kPieceSize = 1 << 20;
    static constexpr qsizetype kDictionary = 32 << 10;

    std::vector<unsigned char> data;
    // The end of the previous piece of the same stream, so that deflate finds its matches.
    std::vector<unsigned char> dictionary;
    std::vector<unsigned char> packed;  // the deflated data; unused when stored
    bool first = true;
    bool last = true;
    // A whole-buffer piece whose method the worker chooses: stored when deflate does not win.
    bool chooseMethod = false;
    bool deflate = true;
    quint32 crc = 0;

    // The entry, on its first piece.
    QByteArray name;
    bool folder = false;
    quint32 dosDate = 0;
    quint32 externalAttributes = 0;
    quint32 versionMadeBy = 0;
    int zip64 = 0;

    bool done = false;  // guarded by the packer that runs it

    qsizetype Footprint() const { return qsizetype(data.capacity() + packed.capacity()); }
};

// What a worker keeps between pieces: the compressors are costly to set up.
class PieceWorkspace {
public:
    PieceWorkspace();
    ~PieceWorkspace();
    PieceWorkspace(const PieceWorkspace&) = delete;
    PieceWorkspace& operator=(const PieceWorkspace&) = delete;

    // Computes the checksum and deflates the piece where its method says so; a whole-buffer
    // piece is stored instead when a quick trial of its start or the deflate itself does not
    // shrink it. False only when the compressor failed.
    bool Pack(ArchivePiece& piece);

    // Whether data starting like this one is worth deflating (a fast trial of its first block).
    bool Compresses(const unsigned char* data, qsizetype size);

private:
    bool DeflateStream(ArchivePiece& piece);

    libdeflate_compressor* fast_ = nullptr;
    libdeflate_compressor* normal_ = nullptr;
    z_stream_s* stream_ = nullptr;
};
