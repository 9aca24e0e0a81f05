#include "browse/ensure_item_icon.h"

#include "app/path_helpers.h"
#include "browse/file_item.h"
#include "browse/get_type_and_icon.h"
#include "browse/icon_cache.h"

int EnsureItemIcon(FileItem& item, const QString& currentFolder, ShellServices& shell,
                   IconCache& cache) {
    if (item.icon != -1) return item.icon;
    QString text;
    if (IsDirectory(item.attributes) && !IsStorageCard(item.attributes)) {
        item.icon = IconCache::kFolderIcon;
        text = cache.GetFolderTypeName();
    } else if (const int known = IsDirectory(item.attributes)
                                     ? -1
                                     : cache.FindType(IconCache::TypeKey(item.name));
               cache.IsValidIndex(known)) {
        item.icon = known;  // the path is not even made for a type seen before
        text = cache.At(known).text;
    } else {
        item.icon = GetTypeAndIcon(shell, JoinPath(currentFolder, item.name), &text, cache,
                                   item.attributes);
    }
    item.typeName = std::move(text);
    return item.icon;
}
