#pragma once

#include <QtGlobal>

#include "tools/dump_page.h"

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
