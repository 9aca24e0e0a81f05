#include "platform/device_fs.h"

#include <algorithm>
#include <vector>

qint64 DeviceFile::CopyFrom(DeviceFile& source, qint64 count) {
    std::vector<char> buffer(size_t(std::min<qint64>(count, 1 << 20)));
    qint64 done = 0;
    while (done < count) {
        const qint64 n = source.Read(buffer.data(), std::min<qint64>(count - done, buffer.size()));
        if (n < 0) return -1;
        if (n == 0) break;
        if (!Write(buffer.data(), n)) return -1;
        done += n;
    }
    return done;
}
