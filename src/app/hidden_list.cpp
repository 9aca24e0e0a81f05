#include "app/hidden_list.h"

#include <QByteArrayList>

#include "app/path_helpers.h"
#include "app/system_file.h"

namespace {

constexpr qint64 kMaxHiddenFileBytes = 1 << 20;

}  // namespace

bool ListInHiddenFile(DeviceFs& fs, const QString& path) {
    const QString name = FileNamePart(path);
    if (name.isEmpty()) return false;
    const QString list = JoinPath(FolderPart(path), QStringLiteral(".hidden"));
    QByteArray data;
    if (PathExists(fs, list)) {
        const std::optional<QByteArray> read = ReadWholeFile(fs, list, kMaxHiddenFileBytes);
        if (!read) return false;  // never replace a list we could not read
        data = *read;
    }
    const QByteArray line = name.toUtf8();
    for (const QByteArray& listed : data.split('\n')) {
        if (listed == line) return true;
    }
    if (!data.isEmpty() && !data.endsWith('\n')) data += '\n';
    return ReplaceWholeFile(fs, list, data + line + '\n');
}
