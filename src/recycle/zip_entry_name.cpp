#include "recycle/zip_entry_name.h"

#include <QStringDecoder>
#include <QStringList>

#include "platform/device_fs.h"
#include "platform/device_path.h"

namespace {

// The upper half of code page 437; the lower half is ASCII.
constexpr char16_t kCp437High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

bool IsSeparator(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

}  // namespace

QByteArray ZipEntryNameFromDevicePath(const QString& devicePath, bool isFolder) {
    QString name = devicePath;
    while (name.startsWith(QLatin1Char('\\')))
        name.remove(0, 1);
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (isFolder && !name.isEmpty() && !name.endsWith(QLatin1Char('/'))) {
        name += QLatin1Char('/');
    }
    return name.toUtf8();
}

bool DevicePathFromZipEntryName(const QString& name, QString* devicePath, bool* isFolderName) {
    devicePath->clear();
    if (isFolderName) *isFolderName = false;
    if (name.isEmpty() || name.at(0) == QLatin1Char('/')) return false;
    int start = name.at(0) == QLatin1Char('\\') ? 1 : 0;
    int end = name.size();
    const bool folder = end > start && IsSeparator(name.at(end - 1));
    if (folder) --end;
    if (end <= start) return false;  // nothing but separators: the root is no entry

    QStringList parts;
    while (start <= end) {
        int next = start;
        while (next < end && !IsSeparator(name.at(next)))
            ++next;
        const QString part = name.mid(start, next - start);
        // Refuses empty components, "." and "..", NUL, ":" (drive letters) and wildcards.
        if (!IsValidDeviceName(part)) return false;
        parts.append(part);
        start = next + 1;
    }
    QString path = QLatin1Char('\\') + parts.join(QLatin1Char('\\'));
    if (path.size() > kMaxPathUnits) return false;
    *devicePath = path;
    if (isFolderName) *isFolderName = folder;
    return true;
}

QString DecodeZipEntryName(const QByteArray& raw, bool utf8Flag) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(raw);
    if (!utf8.hasError()) return text;
    if (utf8Flag) return QString();
    QString out;
    out.reserve(raw.size());
    for (char byte : raw) {
        const auto b = static_cast<unsigned char>(byte);
        out += b < 0x80 ? QChar(b) : QChar(kCp437High[b - 0x80]);
    }
    return out;
}
