#include "fileops/paste_sources.h"

#include <QDir>
#include <QMimeData>
#include <QUrl>

#include "app/path_helpers.h"
#include "fileops/clipboard_payload.h"
#include "platform/host_path_map.h"

namespace {

std::optional<PasteSources> FromOwnList(const QMimeData& data, const QString& ownFormat) {
    const QByteArray list = data.data(ownFormat);
    std::optional<ClipboardPayload> payload = DecodeClipboardPayload(list);
    if (data.hasFormat(QLatin1String(kExactItemsFormat))) {
        const QStringList exact =
            QString::fromUtf8(data.data(QLatin1String(kExactItemsFormat))).split(QChar(0));
        // Only while they describe the very list beside them (another program may have
        // replaced the list alone).
        if (exact.size() >= 2 && EncodeClipboardPayload({exact[0], exact.mid(1)}) == list) {
            payload = ClipboardPayload{exact[0], exact.mid(1)};
        }
    }
    if (!payload) return std::nullopt;
    PasteSources sources;
    sources.own = true;
    for (const QString& name : payload->names)
        sources.items.append({JoinPath(payload->folder, name), false});
    return sources;
}

void AddUrl(const QUrl& url, DeviceFs& fs, PasteSources* sources) {
    // file://host/ names another machine's file unless the host is this one.
    if (!url.isLocalFile() || (!url.host().isEmpty() && url.host() != QLatin1String("localhost")))
        return;
    const QString host = QDir::cleanPath(url.toLocalFile());
    if (!host.startsWith(QLatin1Char('/')) || host == QLatin1String("/")) return;
    if (std::optional<QString> device = DevicePathOfHost(fs, host)) {
        sources->items.append({*device, false});
    } else {
        sources->items.append({host, true});
    }
}

}  // namespace

QByteArray EncodeExactItems(const QString& folder, const QStringList& names) {
    return (QStringList{folder} + names).join(QChar(0)).toUtf8();
}

bool OffersPasteSources(const QMimeData& data, const QString& ownFormat) {
    return data.hasFormat(ownFormat) || data.hasFormat(QLatin1String(kGnomeCopiedFiles)) ||
           data.hasUrls();
}

std::optional<PasteSources> ReadPasteSources(const QMimeData& data, const QString& ownFormat,
                                             DeviceFs& fs) {
    if (data.hasFormat(ownFormat)) return FromOwnList(data, ownFormat);
    PasteSources sources;
    if (data.hasFormat(QLatin1String(kGnomeCopiedFiles))) {
        // "copy" or "cut", then one URL a line.
        const QList<QByteArray> lines = data.data(QLatin1String(kGnomeCopiedFiles)).split('\n');
        sources.cut = lines.value(0).trimmed() == "cut";
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines[i].trimmed();
            if (!line.isEmpty()) AddUrl(QUrl::fromEncoded(line), fs, &sources);
        }
    } else if (data.hasUrls()) {
        sources.cut = data.data(QLatin1String(kKdeCutSelection)).startsWith('1');
        for (const QUrl& url : data.urls())
            AddUrl(url, fs, &sources);
    }
    if (sources.items.isEmpty()) return std::nullopt;
    return sources;
}
