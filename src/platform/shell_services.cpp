#include "platform/shell_services.h"

QString BuiltInIconName(int iconId) {
    return QStringLiteral("nuvio-%1").arg(iconId);
}
