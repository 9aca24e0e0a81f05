#include "app/device_options.h"

#include <QDir>

#include "app/load_str.h"
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
            options.error = QStringLiteral("%1 needs a value").arg(arg);
            return options;
        }
        if (isRoot) {
            options.config.rootDir = QDir(value).absolutePath();
            haveRoot = true;
        } else {
            int split = value.indexOf(QLatin1Char('='));
            if (split <= 0 || split == value.size() - 1) {
                options.error = QStringLiteral("--card takes NAME=DIR, not \"%1\"").arg(value);
                return options;
            }
            options.config.cards.append(
                {value.left(split), QDir(value.mid(split + 1)).absolutePath()});
        }
    }
    if (!haveRoot) {
        options.config.rootDir = HostDeviceFs::DefaultRootDir();
        HostDeviceFs::SeedDevice(options.config.rootDir);
        options.config.discoverRemovableMedia = options.config.cards.isEmpty();
        options.config.reservedNames = {LoadStr(IDS_RECYCLE_FOLDER_NAME)};
    } else if (!QDir(options.config.rootDir).exists()) {
        options.error = QStringLiteral("no such folder: %1").arg(options.config.rootDir);
    }
    return options;
}
