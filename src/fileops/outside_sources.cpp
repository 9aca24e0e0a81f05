#include "fileops/outside_sources.h"

#include <QFileInfo>
#include <QHash>

#include "app/path_helpers.h"
#include "platform/host_device_fs.h"

OutsideMount MountOutsideFiles(DeviceFs& fs, const QStringList& hostPaths) {
    OutsideMount mount;
    HostDeviceFs::Config config;
    config.rootDir = fs.HostPath(QStringLiteral("\\"));
    if (config.rootDir.isEmpty()) return mount;
    QStringList taken;
    for (const QString& card : fs.StorageCards()) {
        config.cards.append({card, fs.HostPath(QLatin1Char('\\') + card)});
        taken.append(card.toCaseFolded());
    }
    QHash<QString, QString> cardOfFolder;
    int next = 1;
    for (const QString& host : hostPaths) {
        const QFileInfo info(host);
        const QString folder = info.absolutePath();
        QString card = cardOfFolder.value(folder);
        if (card.isEmpty()) {
            do {
                card = QStringLiteral("~outside%1").arg(next++);
            } while (taken.contains(card.toCaseFolded()) ||
                     PathExists(fs, QLatin1Char('\\') + card));
            cardOfFolder.insert(folder, card);
            config.cards.append({card, folder});
        }
        mount.paths.append(QLatin1Char('\\') + card + QLatin1Char('\\') + info.fileName());
    }
    mount.fs = std::make_unique<HostDeviceFs>(config);
    return mount;
}
