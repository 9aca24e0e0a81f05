#include "shell/file_doc_adapter.h"

#include "recycle/file_doc.h"

IconCache& FileDocAdapter::iconCache() {
    return document_.iconCache();
}

FavoritesList& FileDocAdapter::favorites() {
    return document_.favorites();
}

QString FileDocAdapter::BinFolderPath() const {
    return document_.bin().binPath();
}

bool FileDocAdapter::IndexIsCurrent() const {
    return document_.bin().indexIsCurrent();
}

void FileDocAdapter::CheckRecycleBin() {
    document_.bin().CheckRecycleBin();
}

void FileDocAdapter::CompressRecycleBin() {
    document_.bin().CompressRecycleBin();
}

RecycleBin* FileDocAdapter::bin() {
    return &document_.bin();
}

QString FileDocAdapter::cryptoProviderName() const {
    return document_.cryptoProviderName();
}
