#include "browse/get_type_and_icon.h"

#include "app/load_str.h"
#include "app/path_helpers.h"
#include "browse/icon_cache.h"
#include "platform/shell_services.h"
#include "resources/ids.h"

int GetTypeAndIcon(ShellServices& shell, const QString& path, QString* typeText, IconCache& cache,
                   std::optional<quint32> attributes) {
    std::optional<FileTypeInfo> type = shell.GetFileType(path, attributes);
    if (!type) {
        *typeText = LoadStr(IDS_UNKNOWN_FILE_TYPE);
        return IconCache::kUnknownFileIcon;
    }
    *typeText = type->typeText;
    return cache.Append({Extension(path), std::move(type->typeText), std::move(type->iconNames)});
}
