#include "browse/icon_cache.h"

#include "app/load_str.h"
#include "platform/shell_services.h"
#include "resources/ids.h"

void IconCache::BuildIconCache(const QString& folderTypeName, const QStringList& folderIconNames) {
    folderTypeName_ = folderTypeName.isEmpty() ? LoadStr(IDS_FOLDER) : folderTypeName;

    IconRecord folder;
    folder.text = folderTypeName_;
    folder.iconNames = folderIconNames;
    const QString ownFolder = BuiltInIconName(IDI_FOLDER);
    if (!folder.iconNames.contains(ownFolder)) folder.iconNames.append(ownFolder);
    records_.push_back(std::move(folder));

    const QString unknown = LoadStr(IDS_UNKNOWN_FILE_TYPE);
    records_.push_back({QString(), unknown, {BuiltInIconName(IDI_FILE)}});
    records_.push_back({QString(), unknown, {BuiltInIconName(IDI_PROGRAM)}});
}

void IconCache::TrimIconCache(bool all) {
    types_.clear();
    if (all) {
        records_.clear();
    } else if (records_.size() > size_t(kBuiltInCount)) {
        records_.resize(size_t(kBuiltInCount));
    }
}

QString IconCache::GetFolderTypeName() const {
    return folderTypeName_.isEmpty() ? LoadStr(IDS_FOLDER) : folderTypeName_;
}

int IconCache::Append(IconRecord record) {
    records_.push_back(std::move(record));
    return Count() - 1;
}

QString IconCache::TypeKey(const QString& fileName) {
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'), 1);
    return dot < 0 ? QLatin1Char('/') + fileName : fileName.mid(dot);
}
