#include "browse/get_type_and_icon.h"

#include "app/load_str.h"
#include "app/path_helpers.h"
#include "browse/icon_cache.h"
#include "platform/shell_services.h"
#include "resources/ids.h"

int GetTypeAndIcon(ShellServices& shell, const QString& path, QString* typeText, IconCache& cache,
                   std::optional<quint32> attributes) {
    // Files are typed by their names alone; folders and cards by what they are.
    const bool byName = attributes && !IsDirectory(*attributes);
    const QString key = byName ? IconCache::TypeKey(FileNamePart(path)) : QString();
    if (byName) {
        const int known = cache.FindType(key);
        if (cache.IsValidIndex(known)) {
            *typeText = cache.At(known).text;
            return known;
        }
    }
    std::optional<FileTypeInfo> type = shell.GetFileType(path, attributes);
    int index = IconCache::kUnknownFileIcon;
    if (!type) {
        *typeText = LoadStr(IDS_UNKNOWN_FILE_TYPE);
    } else {
        *typeText = type->typeText;
        index = cache.Append(
            {Extension(path), std::move(type->typeText), std::move(type->iconNames)});
    }
    if (byName && cache.IsValidIndex(index)) cache.NoteType(key, index);
    return index;
}
