#include "app/system_file.h"

#include <QtEndian>
#include <cstring>

#include "app/path_helpers.h"
#include "platform/device_fs.h"

QByteArray MakeSystemFileHeader(const char* magic, quint16 count) {
    QByteArray header(kSystemFileHeaderBytes, '\0');
    for (int i = 0; i < 3; ++i)
        header[2 * i] = magic[i];
    qToLittleEndian(count, header.data() + 8);
    return header;
}

QString SystemFileMagic(const QByteArray& data) {
    if (data.size() < kSystemFileHeaderBytes) return {};
    QString magic;
    for (int i = 0; i < 4; ++i) {
        char16_t c = qFromLittleEndian<quint16>(data.constData() + 2 * i);
        if (c == 0) break;
        magic.append(QChar(c));
    }
    return magic;
}

quint16 SystemFileCount(const QByteArray& data) {
    if (data.size() < kSystemFileHeaderBytes) return 0;
    return qFromLittleEndian<quint16>(data.constData() + 8);
}

void SystemFileWriter::UInt16(quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out_.append(bytes, 2);
}

void SystemFileWriter::UInt32(quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out_.append(bytes, 4);
}

void SystemFileWriter::Text(const QString& text, bool emptyAsZero) {
    if (text.isEmpty() && emptyAsZero) {
        UInt16(0);
        return;
    }
    UInt16(quint16((text.size() + 1) * 2));
    for (QChar c : text)
        UInt16(c.unicode());
    UInt16(0);
}

bool SystemFileReader::UInt16(quint16* value) {
    if (data_.size() - pos_ < 2) return false;
    *value = qFromLittleEndian<quint16>(data_.constData() + pos_);
    pos_ += 2;
    return true;
}

bool SystemFileReader::UInt32(quint32* value) {
    if (data_.size() - pos_ < 4) return false;
    *value = qFromLittleEndian<quint32>(data_.constData() + pos_);
    pos_ += 4;
    return true;
}

bool SystemFileReader::Bytes(qint64 count, QByteArray* bytes) {
    if (count < 0 || data_.size() - pos_ < count) return false;
    *bytes = data_.mid(pos_, count);
    pos_ += count;
    return true;
}

bool SystemFileReader::Text(QString* text, bool allowZeroLength) {
    quint16 bytes = 0;
    if (!UInt16(&bytes)) return false;
    if (bytes == 0 && allowZeroLength) {
        text->clear();
        return true;
    }
    if (bytes < 2 || bytes % 2 != 0 || bytes > kSystemFileTextUnits * 2) return false;
    if (data_.size() - pos_ < bytes) return false;
    const int units = bytes / 2 - 1;
    QString result(units, Qt::Uninitialized);
    for (int i = 0; i < units; ++i) {
        const char16_t c = qFromLittleEndian<quint16>(data_.constData() + pos_ + 2 * i);
        if (c == 0) return false;
        result[i] = QChar(c);
    }
    if (qFromLittleEndian<quint16>(data_.constData() + pos_ + 2 * units) != 0) return false;
    pos_ += bytes;
    *text = result;
    return true;
}

bool IsStorableText(const QString& text) {
    return text.size() < kSystemFileTextUnits && !text.contains(QChar(0));
}

std::optional<QByteArray> ReadWholeFile(DeviceFs& fs, const QString& path, qint64 maxBytes) {
    auto file = fs.Open(path, OpenMode::Read);
    if (!file) return std::nullopt;
    const qint64 size = file->Size();
    if (size < 0 || size > maxBytes) return std::nullopt;
    QByteArray data(size, '\0');
    qint64 done = 0;
    while (done < size) {
        const qint64 got = file->Read(data.data() + done, size - done);
        if (got <= 0) return std::nullopt;
        done += got;
    }
    return data;
}

bool ReplaceWholeFile(DeviceFs& fs, const QString& path, const QByteArray& data) {
    // A temporary name unique to this writer, hidden by the device without an attribute.
    QString temp;
    auto file = fs.CreateTempFile(FolderPart(path), &temp);
    if (!file) return false;
    bool ok = file->Write(data.constData(), data.size()) && file->Flush();
    ok = file->Close() && ok;
    file.reset();
    if (!ok || !fs.ReplaceFile(temp, path)) {
        fs.DeleteFile(temp);
        return false;
    }
    // The content is safe by now; a volume that cannot store the bit still keeps the data.
    const std::optional<quint32> attributes = fs.GetAttributes(path);
    if (attributes && !(*attributes & Attr::kHidden)) {
        fs.SetAttributes(path, *attributes | Attr::kHidden);
    }
    return true;
}
