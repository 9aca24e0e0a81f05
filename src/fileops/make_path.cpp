#include "fileops/make_path.h"

#include "app/path_helpers.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"

bool MakePath(DeviceFs& fs, const QString& path) {
    QStringList parts;
    if (!SplitDevicePath(path, &parts)) return false;
    QString prefix = QStringLiteral("\\");
    for (const QString& part : parts) {
        prefix = JoinPath(prefix, part);
        auto attributes = fs.GetAttributes(prefix);
        if (attributes) {
            if (!IsDirectory(*attributes)) return false;
            continue;
        }
        if (!fs.CreateDirectory(prefix)) return false;
    }
    return true;
}
