#include "app/path_helpers.h"

#include "platform/device_fs.h"
#include "platform/device_path.h"

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.endsWith(QLatin1Char('\\')) || name.startsWith(QLatin1Char('\\'))) {
        return folder + name;
    }
    return folder + QLatin1Char('\\') + name;
}

bool GetFolderPart(const QString& path, QString* folder) {
    folder->clear();
    if (path.isEmpty()) return false;
    if (path == QLatin1String("\\")) {
        *folder = path;
        return false;
    }
    int cut = path.lastIndexOf(QLatin1Char('\\'));
    if (cut == 0) {
        *folder = QStringLiteral("\\");
    } else if (cut > 0) {
        *folder = path.left(cut);
    }
    return true;
}

bool GetFileNamePart(const QString& path, QString* name) {
    name->clear();
    if (path.isEmpty()) return false;
    *name = path.mid(path.lastIndexOf(QLatin1Char('\\')) + 1);
    return true;
}

bool GetExtension(const QString& path, QString* extension) {
    extension->clear();
    int dot = path.lastIndexOf(QLatin1Char('.'));
    // A dot in a folder name is not the file's extension.
    if (dot < 0 || dot == path.size() - 1 || path.indexOf(QLatin1Char('\\'), dot) >= 0) {
        return false;
    }
    *extension = path.mid(dot + 1);
    return true;
}

QString FolderPart(const QString& path) {
    QString folder;
    GetFolderPart(path, &folder);
    return folder;
}

QString FileNamePart(const QString& path) {
    QString name;
    GetFileNamePart(path, &name);
    return name;
}

QString Extension(const QString& path) {
    QString extension;
    GetExtension(path, &extension);
    return extension;
}

bool PathExists(DeviceFs& fs, QString& path, FindData* record) {
    if (path.isEmpty()) return false;
    if (path == QLatin1String("\\")) {
        if (record) {
            *record = FindData();
            record->attributes = fs.GetAttributes(path).value_or(Attr::kDirectory);
            record->name = path;
        }
        return true;
    }
    if (path.endsWith(QLatin1Char('\\'))) path.chop(1);
    // Names never hold wildcards; a pattern must not pass for an existing path.
    if (HasWildcards(path)) return false;
    FindData found;
    if (!fs.FindFirst(path, found)) return false;
    if (record) *record = found;
    return true;
}

bool PathExists(DeviceFs& fs, const QString& path, FindData* record) {
    QString copy = path;
    return PathExists(fs, copy, record);
}

quint32 GetFileSizeLow(DeviceFs& fs, const QString& path, quint32* high) {
    FindData record;
    if (!PathExists(fs, path, &record)) return 0;
    if (high) *high = record.SizeHigh();
    return record.SizeLow();
}

quint64 GetFileSize64(DeviceFs& fs, const QString& path) {
    FindData record;
    return PathExists(fs, path, &record) ? record.size : 0;
}

QString GetProgramFolder(DeviceFs& fs) {
    const QString folder = QStringLiteral("\\Program Files\\Nuvio File Explorer");
    if (!PathExists(fs, folder)) MakePath(fs, folder);
    return folder;
}

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
