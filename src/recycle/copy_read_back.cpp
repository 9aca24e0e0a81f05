#include "recycle/copy_read_back.h"

#include <libdeflate.h>

#include <algorithm>
#include <future>
#include <vector>

#include "platform/device_fs.h"

namespace {

// Parts small enough for the window to stay alive between them, read back in pieces that
// stay in the processor's cache for the checksum.
constexpr quint64 kPart = 8 << 20;
constexpr qint64 kReadBack = 256 << 10;

}  // namespace

// Each part is read back on a thread of its own while the next one is copied; the reader is
// used by that thread alone, one part after another.
qint64 CopyReadBack(DeviceFile& out, quint64 at, DeviceFile& source, DeviceFile& reader,
                    quint64 limit, quint32* crc, const std::function<bool(quint64)>& step) {
    std::vector<char> back(static_cast<size_t>(kReadBack));
    const auto sum = [&reader, &back, crc](quint64 from, qint64 count) {
        if (!reader.Seek(qint64(from))) return false;
        for (qint64 left = count; left > 0;) {
            const qint64 part = std::min(left, kReadBack);
            if (reader.Read(back.data(), part) != part) return false;
            *crc = quint32(libdeflate_crc32(*crc, back.data(), size_t(part)));
            left -= part;
        }
        return true;
    };
    std::future<bool> summing;
    const auto summed = [&summing] { return !summing.valid() || summing.get(); };
    quint64 copied = 0;
    while (copied < limit) {
        const quint64 want = std::min(kPart, limit - copied);
        const qint64 n = out.CopyFrom(source, qint64(want));
        if (!summed() || n < 0) return -1;
        summing = std::async(std::launch::async, sum, at + copied, n);
        copied += quint64(n);
        if (quint64(n) < want) break;
        if (step && copied < limit && !step(copied)) {
            summed();
            return -1;
        }
    }
    return summed() ? qint64(copied) : -1;
}
