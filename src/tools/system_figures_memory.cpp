#include "tools/system_figures_memory.h"

#include <QFile>
#include <limits>

namespace {

// The value of a "Name:   123 kB" line in bytes; none when malformed or too large.
std::optional<quint64> KilobyteValue(const QByteArray& rest) {
    QByteArray value = rest.trimmed();
    if (!value.endsWith(" kB")) return std::nullopt;
    value.chop(3);
    bool ok = false;
    const quint64 kb = value.trimmed().toULongLong(&ok);
    if (!ok || kb > std::numeric_limits<quint64>::max() / 1024) return std::nullopt;
    return kb * 1024;
}

}  // namespace

std::optional<HostMemory> ParseMemInfo(const QByteArray& text) {
    std::optional<quint64> total, available, free;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0) continue;
        const QByteArray name = line.left(colon);
        std::optional<quint64>* slot = name == "MemTotal"       ? &total
                                       : name == "MemAvailable" ? &available
                                       : name == "MemFree"      ? &free
                                                                : nullptr;
        if (!slot) continue;
        *slot = KilobyteValue(line.mid(colon + 1));
        if (!*slot) return std::nullopt;
    }
    if (!total) return std::nullopt;
    return HostMemory{*total, available ? *available : free.value_or(0)};
}

std::optional<HostMemory> ReadHostMemory() {
    // The kernel's memory figures, the host's counterpart of the device's memory status.
    QFile file(QStringLiteral("/proc/meminfo"));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return ParseMemInfo(file.readAll());
}
