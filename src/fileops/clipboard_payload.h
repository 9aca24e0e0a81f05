#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The list that copy and cut put on the clipboard under the private format: the source
// folder, "+", then each item's name followed by "+", as one NUL-terminated UTF-16LE text.
struct ClipboardPayload {
    QString folder;
    QStringList names;
};

QByteArray EncodeClipboardPayload(const ClipboardPayload& payload);
// The folder and the names; none without a "+". A name without a following "+" is dropped,
// and so is an empty one (it would name the folder itself). The text ends at the first NUL;
// a trailing odd byte is ignored. Any length is accepted.
std::optional<ClipboardPayload> DecodeClipboardPayload(const QByteArray& data);
