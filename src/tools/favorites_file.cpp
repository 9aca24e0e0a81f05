#include "tools/favorites_file.h"

#include "app/system_file.h"

namespace {

constexpr char kMagic[] = "NF0";

}  // namespace

bool IsStorableFavoriteText(const QString& text) {
    return IsStorableText(text);
}

std::optional<QByteArray> EncodeFavorites(const QList<FavoriteEntry>& entries) {
    if (entries.size() > 0xffff) return std::nullopt;
    QByteArray out = MakeSystemFileHeader(kMagic, quint16(entries.size()));
    SystemFileWriter writer(out);
    for (const FavoriteEntry& entry : entries) {
        if (!IsStorableFavoriteText(entry.name) || !IsStorableFavoriteText(entry.folder)) {
            return std::nullopt;
        }
        writer.Text(entry.name);
        writer.Text(entry.folder);
    }
    return out;
}

std::optional<QList<FavoriteEntry>> DecodeFavorites(const QByteArray& data) {
    if (SystemFileMagic(data) != QLatin1String(kMagic)) return std::nullopt;
    const quint16 count = SystemFileCount(data);
    SystemFileReader reader(data, kSystemFileHeaderBytes);
    QList<FavoriteEntry> entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        FavoriteEntry entry;
        if (!reader.Text(&entry.name) || !reader.Text(&entry.folder)) {
            return std::nullopt;
        }
        entries.append(entry);
    }
    return entries;
}
