#include "tools/dump_page.h"

#include <algorithm>

namespace {

// Printable ASCII shows as itself; control bytes and bytes above 0x7F as a dot, since their
// meaning depends on an encoding the viewer does not know.
QChar DumpChar(uchar byte) {
    return byte >= 0x20 && byte < 0x7f ? QChar(byte) : QLatin1Char('.');
}

int HexDigits(quint64 value) {
    int digits = 1;
    while (value >>= 4)
        ++digits;
    return digits;
}

}  // namespace

QString DumpOffsetText(qint64 offset, qint64 fileSize) {
    const int width = std::max(5, HexDigits(quint64(std::max<qint64>(fileSize - 1, 0))));
    return QStringLiteral("%1").arg(offset, width, 16, QLatin1Char('0')).toUpper();
}

DumpPage BuildDumpPage(const QByteArray& bytes, qint64 offset, qint64 fileSize, DumpMode mode,
                       DumpHalf half) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const qsizetype count = std::min<qsizetype>(bytes.size(), kDumpPageBytes);
    const bool hex = mode == DumpMode::Hex;
    const bool second = hex && half == DumpHalf::Second;
    DumpPage page;
    for (int r = 0; r < kDumpRows; ++r) {
        DumpRow& row = page[r];
        QString& text = row.text;
        text.reserve(hex ? kDumpRowBytes * 3 : kDumpRowBytes);
        for (int c = 0; c < kDumpRowBytes; ++c) {
            const qsizetype i = qsizetype(r) * kDumpRowBytes + c;
            if (hex && i < count) {
                const auto byte = uchar(bytes[i]);
                text += QLatin1Char(kHex[byte >> 4]);
                text += QLatin1Char(kHex[byte & 0xf]);
                text += QLatin1Char(' ');
            } else if (hex) {
                text += QLatin1String("-- ");
            } else {
                text += i < count ? DumpChar(uchar(bytes[i])) : QLatin1Char(' ');
            }
        }
        row.offset = offset + qint64(r) * kDumpRowBytes + (second ? kDumpHalfBytes : 0);
        row.offsetText = DumpOffsetText(row.offset, fileSize);
        row.shownText = second ? text.mid(kDumpHalfBytes * 3) : text;
    }
    return page;
}

qint64 MoveDumpPage(DumpMove move, qint64 offset, qint64 fileSize) {
    const bool moreFollows = offset + kDumpPageBytes < fileSize;
    switch (move) {
        case DumpMove::First:
            return 0;
        case DumpMove::Previous:
            return offset > kDumpPageBytes ? offset - kDumpPageBytes : 0;
        case DumpMove::Next:
            return moreFollows ? offset + kDumpPageBytes : offset;
        case DumpMove::Last:
            return moreFollows ? fileSize - kDumpPageBytes : offset;
    }
    return offset;
}

bool DumpFirstHalfEnabled(DumpMode mode, DumpHalf half) {
    return mode == DumpMode::Hex && half == DumpHalf::Second;
}

bool DumpSecondHalfEnabled(DumpMode mode, DumpHalf half) {
    return mode == DumpMode::Hex && half == DumpHalf::First;
}
