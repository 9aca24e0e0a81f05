#pragma once

#include <QtGlobal>
#include <functional>

class DeviceFile;

// Copies from the source's position to out's position (at offset at), in the kernel where the
// host can, at most limit bytes or to the source's end; each part is read back through
// reader, a second handle on out's file, so that *crc sums what was written. step(bytes
// copied) is asked between parts and stops the copy by answering false. Bytes copied, or -1.
qint64 CopyReadBack(DeviceFile& out, quint64 at, DeviceFile& source, DeviceFile& reader,
                    quint64 limit, quint32* crc, const std::function<bool(quint64)>& step);
