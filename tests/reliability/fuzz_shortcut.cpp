// The shortcut file reader on any bytes: no overrun, and a command it reads writes back to
// a file that reads the same.
#include <QByteArray>
#include <cstdint>

#include "fuzz_check.h"
#include "platform/desktop_shell_services.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QString> command = DesktopShellServices::ParseShortcut(bytes);
    if (!command) return 0;
    FUZZ_CHECK(!command->isEmpty());
    FUZZ_CHECK(!command->contains(QChar(0)));
    FUZZ_CHECK(DesktopShellServices::ParseShortcut(
                   DesktopShellServices::FormatShortcut(*command)) == command);
    return 0;
}
