#pragma once

#include <QHash>
#include <QStringList>

#include "platform/shell_services.h"

// A ShellServices that types files from a table of extensions and records every question.
class FakeShellServices : public ShellServices {
public:
    // Lower-case extension -> type; files of other extensions are of unknown type. Folders
    // and storage cards are typed as "Folder" / "Card".
    QHash<QString, FileTypeInfo> types;
    QStringList typeQueries;  // every path asked about, in order

    FakeShellServices();
    void AddType(const QString& extension, const QString& text, const QString& iconName);

    std::optional<FileTypeInfo> GetFileType(const QString& path,
                                            std::optional<quint32> attributes) override;
};
