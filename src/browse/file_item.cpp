#include "browse/file_item.h"

FileItem MakeFileItem(const FindData& record) {
    FileItem item;
    MakeFileItem(record, item);
    return item;
}

void MakeFileItem(const FindData& record, FileItem& existing) {
    existing.name = record.name;
    existing.kind = record.IsFolder() ? FileItem::kFolder : FileItem::kFile;
    existing.written = record.lastWriteTime;
    existing.size = record.size;
    existing.attributes = record.attributes;
    existing.icon = -1;
    existing.typeName.reset();
}
