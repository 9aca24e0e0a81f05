#pragma once

#include <QHash>
#include <QLocale>
#include <QMimeDatabase>

#include "platform/shell_services.h"

class DeviceFs;

// The desktop's shell services over the freedesktop mime database: types by file name only
// (no content is read, so typing a row costs no I/O), type texts in the user interface
// language where the database has them.
class MimeShellServices : public ShellServices {
public:
    explicit MimeShellServices(DeviceFs& fs);
    MimeShellServices(DeviceFs& fs, const QLocale& language);

    std::optional<FileTypeInfo> GetFileType(const QString& path,
                                            std::optional<quint32> attributes) override;

    // The interface's locale (Traditional Chinese as used in Taiwan unless another is chosen).
    static QLocale UserInterfaceLanguage();

private:
    QString Comment(const QMimeType& type);
    FileTypeInfo Describe(const QMimeType& type, const QString& builtInIcon,
                          const QString& preferredIcon = QString());

    DeviceFs& fs_;
    QMimeDatabase db_;
    QLocale language_;
    QHash<QString, QString> comments_;  // by mime type name
};
