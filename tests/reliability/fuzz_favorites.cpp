// The favourites file reader on any bytes: no overrun, and a file it accepts writes back
// to the same entries.
#include <QByteArray>
#include <cstdint>

#include "fuzz_check.h"
#include "tools/favorites_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QList<FavoriteEntry>> entries = DecodeFavorites(bytes);
    if (!entries) return 0;
    const std::optional<QByteArray> encoded = EncodeFavorites(*entries);
    FUZZ_CHECK(encoded && DecodeFavorites(*encoded) == entries);
    return 0;
}
