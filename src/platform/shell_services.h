#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the system asks of the desktop shell. The application uses the desktop's services,
// tests a recording fake.

// The type of one file or volume folder as the shell knows it.
struct FileTypeInfo {
    QString typeText;
    // Icon names in order of preference: icon-theme names first, then one of our built-in
    // names ("nuvio-4002"), which always resolves.
    QStringList iconNames;
};

// The name under which the window layer finds our own SVG icon with that resource id
// (IDI_FOLDER ... IDI_MULTIPLE_FILES).
QString BuiltInIconName(int iconId);

class ShellServices {
public:
    virtual ~ShellServices() = default;

    // Type text and icons of the file or volume folder at a device path; nothing when the
    // type is unknown. attributes, when the caller has them, spares a look-up; a path that
    // does not exist (any more) is typed as a file by its name.
    virtual std::optional<FileTypeInfo> GetFileType(
        const QString& path, std::optional<quint32> attributes = std::nullopt) = 0;

    // Opening with the associated program, shortcut files, special folders, the input panel
    // and the transfers join this interface as their commands are built.
};
