#include "recycle/recycle_archive_item.h"

#include <QRegularExpression>
#include <QStringList>

#include "app/path_helpers.h"

namespace {

QStringList ItemNames(const QString& archivePath) {
    QString base = FileNamePart(archivePath);
    if (base.endsWith(QLatin1String(".nzc"), Qt::CaseInsensitive)) base.chop(4);
    QStringList names{base};
    static const QRegularExpression numbered(QStringLiteral("^(.+)\\(\\d+\\)$"));
    const QRegularExpressionMatch match = numbered.match(base);
    if (match.hasMatch()) names.append(match.captured(1));
    return names;
}

bool IsItemName(const QStringList& names, const QString& path) {
    const QString name = FileNamePart(path);
    for (const QString& candidate : names) {
        if (name.compare(candidate, Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

// The longest path that names all given paths or folders above them.
QString CommonPath(const QList<const ArchiveEntry*>& entries) {
    QStringList common = entries.first()->path.mid(1).split(QLatin1Char('\\'));
    for (const ArchiveEntry* entry : entries) {
        const QStringList parts = entry->path.mid(1).split(QLatin1Char('\\'));
        int same = 0;
        while (same < common.size() && same < parts.size() &&
               common[same].compare(parts[same], Qt::CaseInsensitive) == 0) {
            ++same;
        }
        common = common.mid(0, same);
    }
    return QLatin1Char('\\') + common.join(QLatin1Char('\\'));
}

}  // namespace

std::optional<ArchivedItem> InferArchivedItem(const ArchiveListing& listing,
                                              const QString& archivePath) {
    QList<const ArchiveEntry*> usable;
    ArchivedItem item;
    for (const ArchiveEntry& entry : listing.entries) {
        if (entry.path.isEmpty()) continue;
        usable.append(&entry);
        if (!entry.isFolder) item.size += entry.size;
    }
    if (usable.isEmpty()) return std::nullopt;
    const QStringList names = ItemNames(archivePath);
    if (usable.size() == 1 && IsItemName(names, usable.first()->path)) {
        const ArchiveEntry& only = *usable.first();
        item.originalPath = only.path;
        item.isFolder = only.isFolder;
        item.attributes = only.isFolder ? (only.attributes | Attr::kDirectory) : only.attributes;
        return item;
    }
    const QString common = CommonPath(usable);
    item.isFolder = true;
    item.attributes = Attr::kDirectory;
    item.originalPath = common;
    for (QString path = common; path.size() > 1; path = FolderPart(path)) {
        if (IsItemName(names, path)) {
            item.originalPath = path;
            break;
        }
    }
    if (item.originalPath.size() <= 1) return std::nullopt;  // entries on different volumes
    // A single file whose name is not the item's and no folder above it matched.
    if (usable.size() == 1 && item.originalPath == usable.first()->path) {
        item.isFolder = usable.first()->isFolder;
        item.attributes = usable.first()->attributes;
    }
    return item;
}
