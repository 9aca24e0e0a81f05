#include "tools/find_content_matcher.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <limits>

#include "platform/device_fs.h"

namespace {

// Folds ASCII letters only: bytes of other characters pass through, so this is safe on UTF-8
// data.
inline char FoldAscii(char c) {
    const auto u = uchar(c);
    return char(u + (uchar(u - 'A') < 26 ? 'a' - 'A' : 0));
}

// Eight bytes at a time: each content byte is folded once, so this loop is the hot one.
void FoldAscii(const char* in, char* out, qsizetype size) {
    constexpr quint64 kOnes = 0x0101010101010101ULL;
    constexpr quint64 kHigh = 0x8080808080808080ULL;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        quint64 word;
        std::memcpy(&word, in + i, 8);
        const quint64 low7 = word & ~kHigh;
        // A byte's high bit is set when it is at least 'A', and when it is above 'Z'.
        const quint64 atLeastA = low7 + kOnes * (0x80 - 'A');
        const quint64 aboveZ = low7 + kOnes * (0x7f - 'Z');
        const quint64 upper = (atLeastA ^ aboveZ) & ~word & kHigh;
        word |= upper >> 2;
        std::memcpy(out + i, &word, 8);
    }
    for (; i < size; ++i)
        out[i] = FoldAscii(in[i]);
}

QByteArray FoldAscii(QByteArray bytes) {
    FoldAscii(bytes.constData(), bytes.data(), bytes.size());
    return bytes;
}

const char* FindBytes(const char* data, qsizetype size, const QByteArray& needle) {
    return static_cast<const char*>(
        memmem(data, size_t(size), needle.constData(), size_t(needle.size())));
}

// A unit with no case at all (CJK, digits, punctuation): its UTF-8 bytes can be compared
// as they are.
bool IsCaseless(QChar c) {
    return !c.isSurrogate() && !c.isLower() && !c.isUpper() && !c.isTitleCase() &&
           c.toCaseFolded() == c;
}

// Reads until count bytes are in or the file ends; -1 on a read error.
qint64 ReadFull(DeviceFile& file, char* out, qint64 count) {
    qint64 total = 0;
    while (total < count) {
        const qint64 got = file.Read(out + total, count - total);
        if (got < 0) return -1;
        if (got == 0) break;
        total += got;
    }
    return total;
}

}  // namespace

ContentMatcher::ContentMatcher(const QString& text)
    : units_(text.size()),
      unitMatcher_(text, Qt::CaseInsensitive),
      utf8Decoder_(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless) {
    if (units_ == 0) return;
    asciiText_ = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    utf8Bytes_ = std::all_of(text.begin(), text.end(),
                             [](QChar c) { return c.unicode() < 0x80 || IsCaseless(c); });
    caselessText_ = std::all_of(text.begin(), text.end(), IsCaseless);
    if (asciiText_ || caselessText_) {
        QByteArray le;
        le.reserve(units_ * 2);
        for (QChar c : text) {
            le.append(char(c.unicode() & 0xff));
            le.append(char(c.unicode() >> 8));
        }
        // Folding bytes is right only where every high byte is zero.
        utf16Text_ = asciiText_ ? FoldAscii(le) : le;
    }
    // A match in UTF-8 spans at most three bytes per unit when characters must be decoded
    // to be folded.
    qsizetype utf8Span = 3 * units_;
    if (utf8Bytes_) {
        utf8Text_ = FoldAscii(text.toUtf8());
        utf8Span = utf8Text_.size();
    }
    // Even, so that every chunk starts on a UTF-16 unit.
    overlap_ = std::max(2 * units_, utf8Span);
    overlap_ += overlap_ % 2;
    window_ = std::max<qsizetype>(kChunkBytes, 2 * overlap_);
    buffer_.resize(size_t(window_ / 2));
    // Only a text with ASCII letters needs the window folded before bytes are compared.
    const bool letters = std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode() | 0x20;
        return c.unicode() < 0x80 && u >= 'a' && u <= 'z';
    });
    if (letters && (asciiText_ || utf8Bytes_)) folded_.resize(size_t(window_));
    if (!utf8Bytes_) decoded_.resize(size_t(utf8Decoder_.requiredSpace(window_)));
}

bool ContentMatcher::FileContains(DeviceFs& fs, const QString& path, qint64 knownSize,
                                  const ChunkHook& hook) {
    if (IsEmpty()) return true;
    if (knownSize == 0) return false;
    auto file = fs.Open(path, OpenMode::Read);
    if (!file) return false;
    char* bytes = reinterpret_cast<char*>(buffer_.data());
    // Asking for no more than the file holds saves a read that would only find its end.
    qint64 left = knownSize >= 0 ? knownSize : file->Size();
    if (left < 0) left = std::numeric_limits<qint64>::max();
    qsizetype kept = 0;
    while (true) {
        const qsizetype want = window_ - kept;
        const qint64 got = ReadFull(*file, bytes + kept, std::min<qint64>(want, left));
        if (got < 0) return false;
        if (got == 0 && kept > 0) return false;  // the tail was searched already
        const qsizetype size = kept + qsizetype(got);
        if (ChunkHolds(size)) return true;
        if (got < want) return false;
        left -= got;
        if (hook && !hook()) return false;
        // Carry the tail over so that a text across the border is seen whole.
        std::memmove(bytes, bytes + size - overlap_, size_t(overlap_));
        kept = overlap_;
    }
}

bool ContentMatcher::ChunkHolds(qsizetype size) {
    const char* data = reinterpret_cast<const char*>(buffer_.data());
    const char* folded = data;
    if (!folded_.empty()) {
        FoldAscii(data, folded_.data(), size);
        folded = folded_.data();
    }
    if (utf8Bytes_ ? FindBytes(folded, size, utf8Text_) != nullptr : HoldsDecoded(size)) {
        return true;
    }
    // UTF-16LE: whole units only, so an odd final byte is never looked at.
    const qsizetype units = size / 2;
    if (asciiText_) {
        // Every unit of the text has a zero high byte: a window without NULs cannot hold it.
        return memchr(data, 0, size_t(size)) && HoldsUtf16Bytes(folded, units);
    }
    if (caselessText_) return HoldsUtf16Bytes(data, units);
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        return unitMatcher_.indexIn(QStringView(buffer_.data(), units)) >= 0;
    } else {
        std::vector<char16_t> native(buffer_.begin(), buffer_.begin() + units);
        for (char16_t& unit : native)
            unit = qFromLittleEndian(unit);
        return unitMatcher_.indexIn(QStringView(native.data(), units)) >= 0;
    }
}

bool ContentMatcher::HoldsUtf16Bytes(const char* bytes, qsizetype units) const {
    const char* end = bytes + units * 2;
    for (const char* at = bytes; (at = FindBytes(at, end - at, utf16Text_)); ++at) {
        if ((at - bytes) % 2 == 0) return true;
    }
    return false;
}

bool ContentMatcher::HoldsDecoded(qsizetype size) {
    const QByteArrayView raw(reinterpret_cast<const char*>(buffer_.data()), size);
    const QChar* end = utf8Decoder_.appendToBuffer(decoded_.data(), raw);
    return unitMatcher_.indexIn(QStringView(decoded_.data(), end - decoded_.data())) >= 0;
}
