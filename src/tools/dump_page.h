#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// One page of the file dump viewer: ten rows of 18 bytes, as hexadecimal numbers or as
// characters, with the offset of each row.

inline constexpr int kDumpRows = 10;
inline constexpr int kDumpRowBytes = 18;
inline constexpr int kDumpPageBytes = kDumpRows * kDumpRowBytes;
// A hex row is too wide for the screen, so it shows one half of its bytes at a time.
inline constexpr int kDumpHalfBytes = kDumpRowBytes / 2;

enum class DumpMode { Hex, Characters };
enum class DumpHalf { First, Second };

struct DumpRow {
    qint64 offset = 0;   // of the first byte the row shows
    QString offsetText;  // hexadecimal, at least five digits
    QString text;        // all 18 positions
    QString shownText;   // the part drawn: from the tenth byte in hex mode's second half
};

using DumpPage = std::array<DumpRow, kDumpRows>;

// The page whose first byte is at offset; bytes holds what was read there (only the first 180
// are used). Positions past its end show "--" in hex mode and a space in character mode.
// fileSize sets the width of the offsets so that every offset of the file has the same width.
DumpPage BuildDumpPage(const QByteArray& bytes, qint64 offset, qint64 fileSize, DumpMode mode,
                       DumpHalf half);

// "%05lX", widened so that every byte offset of a file of that size fits.
QString DumpOffsetText(qint64 offset, qint64 fileSize);

// The page moves and button states of the file dump viewer.

enum class DumpMove { First, Previous, Next, Last };

// The page offset after a move. Next and last move only while the page does not reach the
// end of the file; the last page ends at the file's end, so it need not start at a multiple
// of the page size.
qint64 MoveDumpPage(DumpMove move, qint64 offset, qint64 fileSize);

// "<" (first half) and ">" (second half) are enabled in hex mode only, each while the other
// half is shown.
bool DumpFirstHalfEnabled(DumpMode mode, DumpHalf half);
bool DumpSecondHalfEnabled(DumpMode mode, DumpHalf half);
