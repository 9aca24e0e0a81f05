#include "shell/nuvio_icon.h"

#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

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

namespace {

// Without a desktop session Qt knows no icon theme; types would all look alike. The first
// installed full theme serves instead.
void EnsureIconTheme() {
    static const bool done = [] {
        const QString probe = QStringLiteral("text-x-generic");
        if (QIcon::hasThemeIcon(probe)) return true;
        // Without a platform theme Qt does not even look in the desktop's icon folders.
        QStringList paths = QIcon::themeSearchPaths();
        for (const QString& folder : QStandardPaths::locateAll(
                 QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                 QStandardPaths::LocateDirectory)) {
            if (!paths.contains(folder)) paths.append(folder);
        }
        QIcon::setThemeSearchPaths(paths);
        for (const char* name : {"Adwaita", "breeze", "Papirus", "gnome"}) {
            for (const QString& base : QIcon::themeSearchPaths()) {
                if (!QFileInfo::exists(base + QLatin1Char('/') + QLatin1String(name) +
                                       QLatin1String("/index.theme"))) {
                    continue;
                }
                QIcon::setThemeName(QLatin1String(name));
                if (QIcon::hasThemeIcon(probe)) return true;
            }
        }
        return true;
    }();
    Q_UNUSED(done);
}

}  // namespace

QIcon IconFromNames(const QStringList& names) {
    EnsureIconTheme();
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
