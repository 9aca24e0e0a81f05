#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

// The host's memory, which the device shows as its program memory.
struct HostMemory {
    quint64 totalBytes = 0;
    quint64 availableBytes = 0;
};

// MemTotal and MemAvailable of a /proc/meminfo text (MemFree where the kernel has no
// MemAvailable); none when MemTotal is missing or a value is malformed.
std::optional<HostMemory> ParseMemInfo(const QByteArray& text);

// The figures of this machine; none when they cannot be read.
std::optional<HostMemory> ReadHostMemory();
