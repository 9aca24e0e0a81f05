#include "platform/host_path_map.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QUrl>
#include <algorithm>

#include "platform/device_fs.h"

namespace {

// The real path of an existing entry, else of its nearest existing parent with the rest
// appended: a file that is about to be created still maps.
QString RealPath(const QString& path) {
    QString head = path;
    QString tail;
    while (!head.isEmpty()) {
        const QString real = QFileInfo(head).canonicalFilePath();
        if (!real.isEmpty()) return QDir::cleanPath(real + tail);
        const qsizetype slash = head.lastIndexOf(QLatin1Char('/'));
        if (slash < 0) break;
        tail.prepend(head.mid(slash));
        head.truncate(slash);
        if (head.isEmpty()) return QDir::cleanPath(QStringLiteral("/") + tail);
    }
    return path;
}

struct VolumeRoot {
    QString device;  // "\" or "\Card"
    QString host;
};

std::optional<QString> Below(const VolumeRoot& volume, const QString& host) {
    QString root = volume.host;
    if (root.endsWith(QLatin1Char('/')) && root.size() > 1) root.chop(1);
    QString rest;
    if (host == root) {
        return volume.device;
    } else if (root == QLatin1String("/")) {
        rest = host.mid(1);
    } else if (host.startsWith(root + QLatin1Char('/'))) {
        rest = host.mid(root.size() + 1);
    } else {
        return std::nullopt;
    }
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return volume.device == QLatin1String("\\") ? volume.device + rest
                                                 : volume.device + QLatin1Char('\\') + rest;
}

}  // namespace

QString HostPathOfArgument(const QString& argument) {
    if (argument.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        const QUrl url(argument);
        if (!url.isValid() || !url.isLocalFile()) return {};
        // file://host/ names another machine's file unless the host is this one.
        if (!url.host().isEmpty() && url.host() != QLatin1String("localhost")) return {};
        return QDir::cleanPath(url.toLocalFile());
    }
    if (argument.startsWith(QLatin1Char('/'))) return QDir::cleanPath(argument);
    return {};
}

std::optional<QString> DevicePathOfHost(DeviceFs& fs, const QString& hostPath) {
    if (!hostPath.startsWith(QLatin1Char('/'))) return std::nullopt;
    QList<VolumeRoot> volumes;
    volumes.append({QStringLiteral("\\"), fs.HostPath(QStringLiteral("\\"))});
    for (const QString& card : fs.StorageCards()) {
        volumes.append({QLatin1Char('\\') + card, fs.HostPath(QLatin1Char('\\') + card)});
    }
    const QString clean = QDir::cleanPath(hostPath);
    const QString real = RealPath(clean);
    std::optional<QString> best;
    qsizetype bestLength = -1;
    for (VolumeRoot volume : volumes) {
        if (volume.host.isEmpty()) continue;
        for (const QString& root : {QDir::cleanPath(volume.host), RealPath(volume.host)}) {
            volume.host = root;
            for (const QString& candidate : {clean, real}) {
                std::optional<QString> device = Below(volume, candidate);
                if (device && root.size() > bestLength) {
                    best = device;
                    bestLength = root.size();
                }
            }
        }
    }
    return best;
}
