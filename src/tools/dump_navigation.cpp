#include "tools/dump_navigation.h"

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
