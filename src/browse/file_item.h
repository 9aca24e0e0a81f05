#pragma once

#include <QString>
#include <optional>

#include "platform/file_attributes.h"

// The record of one row of the file list.
struct FileItem {
    static constexpr quint16 kFolder = 0;
    static constexpr quint16 kFile = 1;

    int row = 0;   // position in the list, kept equal to it by renumbering
    QString name;  // as enumerated, no folder part
    quint16 kind = kFolder;
    FileTime written = 0;
    quint64 size = 0;
    quint32 attributes = 0;
    int icon = -1;                    // image index in the icon cache; -1 until derived
    std::optional<QString> typeName;  // none until derived

    quint32 SizeLow() const { return quint32(size & 0xffffffffu); }
    quint32 SizeHigh() const { return quint32(size >> 32); }
    bool IsFolder() const { return kind == kFolder; }
};

// A new record for an enumerated entry (row 0; the caller places it).
FileItem MakeFileItem(const FindData& record);
// Refills an existing record in place: its icon and type are derived again when next shown;
// its row stays.
void MakeFileItem(const FindData& record, FileItem& existing);
