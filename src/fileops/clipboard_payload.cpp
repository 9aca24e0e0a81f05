#include "fileops/clipboard_payload.h"

#include <QtEndian>

namespace {

const QChar kSeparator = QLatin1Char('+');

}  // namespace

QByteArray EncodeClipboardPayload(const ClipboardPayload& payload) {
    QString text = payload.folder + kSeparator;
    for (const QString& name : payload.names)
        text += name + kSeparator;
    QByteArray data((text.size() + 1) * 2, '\0');
    qToLittleEndian<char16_t>(text.utf16(), text.size(), data.data());
    return data;
}

std::optional<ClipboardPayload> DecodeClipboardPayload(const QByteArray& data) {
    const qsizetype units = data.size() / 2;
    QString text(units, Qt::Uninitialized);
    qFromLittleEndian<char16_t>(data.constData(), units, text.data());
    const qsizetype end = text.indexOf(QChar(0));
    if (end >= 0) text.truncate(end);

    const qsizetype first = text.indexOf(kSeparator);
    if (first < 0) return std::nullopt;
    ClipboardPayload payload;
    payload.folder = text.left(first);
    qsizetype start = first + 1;
    for (qsizetype next; (next = text.indexOf(kSeparator, start)) >= 0; start = next + 1) {
        if (next > start) payload.names.append(text.mid(start, next - start));
    }
    return payload;
}
