// The clipboard list on any bytes: it decodes or is refused, and what decodes encodes back
// to a list that decodes the same.
#include <cstdint>

#include "fileops/clipboard_payload.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<ClipboardPayload> payload = DecodeClipboardPayload(bytes);
    if (!payload) return 0;
    FUZZ_CHECK(!payload->folder.contains(QLatin1Char('+')));
    for (const QString& name : payload->names)
        FUZZ_CHECK(!name.isEmpty() && !name.contains(QLatin1Char('+')) && !name.contains(QChar(0)));
    const std::optional<ClipboardPayload> again =
        DecodeClipboardPayload(EncodeClipboardPayload(*payload));
    FUZZ_CHECK(again && again->folder == payload->folder && again->names == payload->names);
    return 0;
}
