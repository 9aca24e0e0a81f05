// The recycle index reader on any bytes: no overrun, and what it reads writes back the same.
#include <QByteArray>
#include <cstdint>

#include "fuzz_check.h"
#include "recycle/recycle_index.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const RecycleIndexContent content = DecodeRecycleIndex(bytes);
    if (content.version == RecycleIndexContent::Version::Unknown)
        FUZZ_CHECK(content.entries.isEmpty());
    if (const std::optional<QByteArray> encoded = EncodeRecycleIndex(content.entries)) {
        const RecycleIndexContent again = DecodeRecycleIndex(*encoded);
        FUZZ_CHECK(again.complete && again.version == RecycleIndexContent::Version::Current &&
                   again.entries == content.entries);
    }
    return 0;
}
