#pragma once

#include <QString>
#include <QStringDecoder>
#include <QStringMatcher>
#include <functional>
#include <vector>

class DeviceFs;

// The content test of the file search: does a file hold a text, ignoring case, as UTF-16LE
// units or as UTF-8? Built once per search: the text is folded once, and one read buffer is
// reused for every file. Files are read in chunks of 32 KB that overlap by the text's length,
// so a text lying across a chunk border is still seen.
class ContentMatcher {
public:
    static constexpr qint64 kChunkBytes = 32768;

    explicit ContentMatcher(const QString& text);

    // An empty text is in every file (and needs no reading).
    bool IsEmpty() const { return units_ == 0; }

    // Asked after each chunk that did not hold the text when more of the file follows;
    // false ends the test without a match.
    using ChunkHook = std::function<bool()>;

    // True when the file holds the text. A file that cannot be opened or read holds nothing.
    // knownSize, the size from the file's find record, spares asking the file for it; only
    // that many bytes are read (-1: the size is taken when the file is opened).
    bool FileContains(DeviceFs& fs, const QString& path, qint64 knownSize = -1,
                      const ChunkHook& hook = {});

private:
    bool ChunkHolds(qsizetype size);
    // The text's UTF-16LE bytes at a unit boundary of the bytes.
    bool HoldsUtf16Bytes(const char* bytes, qsizetype units) const;
    // The window as UTF-8, decoded and compared unit by unit.
    bool HoldsDecoded(qsizetype size);

    qsizetype units_ = 0;
    bool asciiText_ = false;     // UTF-16 side can compare folded bytes
    bool caselessText_ = false;  // UTF-16 side can compare bytes as they are
    bool utf8Bytes_ = false;     // UTF-8 side can compare bytes: no cased letter beyond ASCII
    QByteArray utf16Text_;       // the text as UTF-16LE bytes, ASCII letters folded
    QByteArray utf8Text_;        // the text as UTF-8, ASCII letters folded
    QStringMatcher unitMatcher_;
    QStringDecoder utf8Decoder_;
    qsizetype overlap_ = 0;  // bytes carried into the next chunk; even
    qsizetype window_ = 0;   // bytes searched at once
    std::vector<char16_t> buffer_;
    std::vector<char> folded_;  // the window with ASCII letters folded
    std::vector<QChar> decoded_;
};
