#include "crypt/encrypted_format.h"

#include <QtEndian>

#include "app/path_helpers.h"
#include "fileops/file_names.h"
#include "platform/device_path.h"

QByteArray Utf16LeBytes(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (QChar c : text) {
        bytes.append(char(c.unicode() & 0xff));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

QString FromUtf16LeBytes(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        text.append(QChar(ReadLe16(bytes.constData() + i)));
    }
    return text;
}

quint16 ReadLe16(const char* bytes) {
    return qFromLittleEndian<quint16>(bytes);
}

namespace {

void AppendLe16(QByteArray& out, quint16 value) {
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

}  // namespace

QByteArray BuildFileHeader(quint16 checkWord, const QString& provider) {
    const QByteArray name = Utf16LeBytes(provider);
    QByteArray header;
    header.reserve(kFileHeaderBytes + name.size());
    header.append(kEncryptedMagic0).append(kEncryptedMagic1);
    AppendLe16(header, checkWord);
    AppendLe16(header, quint16(name.size()));
    header.append(name);
    return header;
}

QByteArray BuildPlainRecordHeader(quint16 checkWord, const QString& storedName) {
    const QByteArray name = Utf16LeBytes(storedName);
    QByteArray header;
    header.reserve(kRecordHeaderBytes + name.size());
    header.append(kEncryptedMagic0).append(kEncryptedMagic1);
    AppendLe16(header, checkWord);
    AppendLe16(header, quint16(name.size()));
    header.append(QByteArray(kRecordHeaderBytes - kFileHeaderBytes, '\0'));
    header.append(name);
    return header;
}

bool IsValidStoredName(const QString& name) {
    // The device's own name rules refuse "\", "/", ":", "..", NUL and the wildcards.
    return IsValidDeviceName(name) && name.size() * 2 <= kMaxStoredNameBytes;
}

bool HasEncryptedExtension(const QString& path) {
    return Extension(path).compare(QLatin1String("enc"), Qt::CaseInsensitive) == 0;
}

QString MakeEncryptedTargetPath(DeviceFs& fs, const QString& source) {
    return MakeUniqueName(fs, source + QLatin1String(".enc"));
}
