#include "recycle/recycle_index.h"

#include <algorithm>

namespace {

void WriteRecord(SystemFileWriter& writer, const RecycleEntry& entry) {
    writer.Text(entry.archivePath, true);
    writer.Text(entry.originalPath);
    writer.UInt16(kRecycleTimeBytes);
    for (quint16 field : entry.deleteTime.fields)
        writer.UInt16(field);
    writer.UInt32(quint32(std::min<quint64>(entry.size, 0xffffffffu)));
    writer.UInt32(entry.attributes | (entry.plain ? kRecyclePlainItemFlag : 0));
}

bool ReadRecord(SystemFileReader& reader, RecycleEntry* entry) {
    quint16 timeBytes = 0;
    if (!reader.Text(&entry->archivePath, true) || !reader.Text(&entry->originalPath) ||
        !reader.UInt16(&timeBytes) || timeBytes != kRecycleTimeBytes) {
        return false;
    }
    for (quint16& field : entry->deleteTime.fields) {
        if (!reader.UInt16(&field)) return false;
    }
    quint32 size = 0;
    if (!reader.UInt32(&size) || !reader.UInt32(&entry->attributes)) return false;
    entry->size = size;
    entry->plain = (entry->attributes & kRecyclePlainItemFlag) != 0;
    entry->attributes &= ~kRecyclePlainItemFlag;
    return true;
}

}  // namespace

std::optional<QByteArray> EncodeRecycleIndex(const QList<RecycleEntry>& entries) {
    if (entries.size() > 0xffff) return std::nullopt;
    QByteArray out = MakeSystemFileHeader(kRecycleIndexMagic, quint16(entries.size()));
    SystemFileWriter writer(out);
    for (const RecycleEntry& entry : entries) {
        if (!IsStorableText(entry.archivePath) || !IsStorableText(entry.originalPath) ||
            entry.originalPath.isEmpty()) {
            return std::nullopt;
        }
        WriteRecord(writer, entry);
    }
    return out;
}

RecycleIndexContent DecodeRecycleIndex(const QByteArray& data) {
    RecycleIndexContent content;
    const QString magic = SystemFileMagic(data);
    if (magic == QLatin1String(kRecycleIndexMagic)) {
        content.version = RecycleIndexContent::Version::Current;
    } else if (magic == QLatin1String(kRecycleIndexOldMagic)) {
        content.version = RecycleIndexContent::Version::Old;
    } else {
        return content;
    }
    const quint16 count = SystemFileCount(data);
    SystemFileReader reader(data, kSystemFileHeaderBytes);
    for (int i = 0; i < count; ++i) {
        RecycleEntry entry;
        if (!ReadRecord(reader, &entry)) {
            content.complete = false;
            break;
        }
        if (content.version == RecycleIndexContent::Version::Old) entry.plain = true;
        content.entries.append(entry);
    }
    return content;
}
