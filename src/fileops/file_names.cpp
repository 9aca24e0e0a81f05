#include "fileops/file_names.h"

#include "app/load_str.h"
#include "app/path_helpers.h"
#include "app/settings_store.h"
#include "platform/device_fs.h"
#include "resources/ids.h"

bool DeleteFileForce(DeviceFs& fs, const QString& path) {
    if (fs.DeleteFile(path)) return true;
    auto attributes = fs.GetAttributes(path);
    if (!attributes || !(*attributes & Attr::kReadOnly)) return false;
    fs.SetAttributes(path, *attributes ^ Attr::kReadOnly);
    return fs.DeleteFile(path);
}

QString MakeUniqueName(DeviceFs& fs, const QString& path, const QSet<QString>* reserved) {
    // The number goes before the extension of the last component only: a dot in a folder
    // name must not move the number into the folder part.
    int dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || path.indexOf(QLatin1Char('\\'), dot) >= 0) dot = path.size();
    const QString base = path.left(dot);
    const QString extension = path.mid(dot);
    for (qint64 n = 1;; ++n) {
        QString candidate = n == 1 ? path : base + QStringLiteral("(%1)").arg(n) + extension;
        if (reserved && reserved->contains(candidate.toCaseFolded())) continue;
        if (!PathExists(fs, candidate)) return candidate;
    }
}

QString MakeNewFolderName(DeviceFs& fs, const QString& parent) {
    const QString base = LoadStr(IDS_NEW_FOLDER);
    if (!PathExists(fs, JoinPath(parent, base))) return base;
    for (qint64 n = 2;; ++n) {
        QString name = QStringLiteral("%1 (%2)").arg(base).arg(n);
        if (!PathExists(fs, JoinPath(parent, name))) return name;
    }
}

quint64 GetFreeSpace(DeviceFs& fs, const QString& path) {
    QString folder = path;
    while (!PathExists(fs, folder)) {
        QString parent;
        if (!GetFolderPart(folder, &parent) || parent.isEmpty()) return 0;
        folder = parent;
    }
    auto space = fs.GetDiskFreeSpace(folder);
    return space ? space->freeToCaller : 0;
}

bool GetStorageCardFolder(DeviceFs& fs, const SettingsStore& settings, QString* folder,
                          bool bareName) {
    folder->clear();
    const QString name = settings.GetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD);
    if (name.isEmpty() || name.startsWith(QLatin1Char('\\'))) return false;
    const QString path = JoinPath(QStringLiteral("\\"), name);
    if (!PathExists(fs, path)) return false;
    *folder = bareName ? name : path;
    return true;
}

QStringList ListStorageCards(DeviceFs& fs) {
    QStringList cards;
    FindData entry;
    auto handle = fs.FindFirst(QStringLiteral("\\*.*"), entry);
    if (!handle) return cards;
    do {
        if (IsStorageCard(entry.attributes)) cards.append(entry.name);
    } while (handle->Next(entry));
    return cards;
}

int CountStorageCards(DeviceFs& fs) {
    return int(ListStorageCards(fs).size());
}
