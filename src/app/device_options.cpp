#include "app/device_options.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include "app/load_str.h"
#include "app/settings_store.h"
#include "resources/ids.h"

DeviceOptions ParseDeviceOptions(const QStringList& arguments) {
    DeviceOptions options;
    bool haveRoot = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        QString value;
        bool isRoot = arg == QLatin1String("--root") || arg.startsWith(QLatin1String("--root="));
        bool isCard = arg == QLatin1String("--card") || arg.startsWith(QLatin1String("--card="));
        if (!isRoot && !isCard) {
            options.rest.append(arg);
            continue;
        }
        if (arg.contains(QLatin1Char('='))) {
            value = arg.mid(arg.indexOf(QLatin1Char('=')) + 1);  // --root=DIR, --card=N=DIR
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            options.error = QCoreApplication::translate("Cli", "%1 需要一個值").arg(arg);
            return options;
        }
        if (isRoot) {
            options.config.rootDir = QDir(value).absolutePath();
            haveRoot = true;
        } else {
            int split = value.indexOf(QLatin1Char('='));
            if (split <= 0 || split == value.size() - 1) {
                options.error = QCoreApplication::translate("Cli", "--card 需要 NAME=DIR, 而不是 \"%1\"").arg(value);
                return options;
            }
            options.config.cards.append(
                {value.left(split), QDir(value.mid(split + 1)).absolutePath()});
        }
    }
    if (!haveRoot) {
        options.defaultDevice = true;
        options.config.rootDir = HostDeviceFs::DefaultRootDir();
        options.config.discoverRemovableMedia = options.config.cards.isEmpty();
        options.config.reservedNames = {LoadStr(IDS_RECYCLE_FOLDER_NAME)};
        // The user's own files, unless a card of that name was asked for.
        const QString home = QDir::homePath();
        const QString name = LoadStr(IDS_HOME_CARD_NAME);
        bool taken = home == QDir::rootPath();
        for (const HostDeviceFs::Card& card : options.config.cards)
            taken |= card.name.compare(name, Qt::CaseInsensitive) == 0;
        if (!taken) options.config.cards.append({name, home});
    } else if (!QDir(options.config.rootDir).exists()) {
        options.error = QCoreApplication::translate("Cli", "沒有這個資料匣: %1").arg(options.config.rootDir);
    }
    return options;
}

void SeedDefaultDevice(const DeviceOptions& options) {
    if (options.defaultDevice) HostDeviceFs::SeedDevice(options.config.rootDir);
}

QString DeviceSettingsName(const QString& rootDir) {
    // The same folder reached another way is the same device.
    QString root = QFileInfo(rootDir).canonicalFilePath();
    if (root.isEmpty()) root = rootDir;
    const QByteArray hash =
        QCryptographicHash::hash(root.toUtf8(), QCryptographicHash::Sha256).toHex().left(12);
    QString name = QFileInfo(root).fileName();
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]")), QStringLiteral("_"));
    return QStringLiteral("nuvio-explorer-devices/%1-%2.conf").arg(name, QString::fromLatin1(hash));
}

QString DeviceSettingsFile(const DeviceOptions& options) {
    if (options.defaultDevice) return {};
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + QLatin1String(SettingsStore::kOrganization) + QLatin1Char('/') +
           DeviceSettingsName(options.config.rootDir);
}

std::unique_ptr<SettingsStore> OpenDeviceSettings(const DeviceOptions& options) {
    const QString file = DeviceSettingsFile(options);
    if (file.isEmpty()) return std::make_unique<SettingsStore>();
    return SettingsStore::FromFile(file);
}
