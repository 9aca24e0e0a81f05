#include "shell/nuvio_icon.h"

#include <QHash>

// Outside any namespace: the macro declares the resource's init function where it stands.
static void InitResources() {
    // The resources live in a static library; nothing would pull them in otherwise.
    static const bool done = [] {
        Q_INIT_RESOURCE(nuvio_icons);
        return true;
    }();
    Q_UNUSED(done);
}

QIcon NuvioIcon(const QString& name) {
    InitResources();
    static QHash<QString, QIcon> loaded;
    auto found = loaded.constFind(name);
    if (found != loaded.cend()) return *found;
    QIcon icon(QStringLiteral(":/icons/%1.svg").arg(name));
    loaded.insert(name, icon);
    return icon;
}

QIcon IconFromNames(const QStringList& names) {
    static QHash<QString, QIcon> resolved;
    const QString key = names.join(QLatin1Char('|'));
    auto found = resolved.constFind(key);
    if (found != resolved.cend()) return *found;
    QIcon icon;
    for (const QString& name : names) {
        if (name.startsWith(QLatin1String("nuvio-"))) {
            icon = NuvioIcon(name);
        } else if (QIcon::hasThemeIcon(name)) {
            icon = QIcon::fromTheme(name);
        }
        if (!icon.isNull()) break;
    }
    if (icon.isNull()) icon = NuvioIcon(QStringLiteral("nuvio-4002"));
    resolved.insert(key, icon);
    return icon;
}
