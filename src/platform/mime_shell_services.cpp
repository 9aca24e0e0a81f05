#include "platform/mime_shell_services.h"

#include "app/interface_language.h"
#include "app/path_helpers.h"
#include "platform/device_fs.h"
#include "resources/ids.h"

MimeShellServices::MimeShellServices(DeviceFs& fs)
    : MimeShellServices(fs, UserInterfaceLanguage()) {}

MimeShellServices::MimeShellServices(DeviceFs& fs, const QLocale& language)
    : fs_(fs), language_(language) {}

QLocale MimeShellServices::UserInterfaceLanguage() {
    return InstalledInterfaceLocale();
}

std::optional<FileTypeInfo> MimeShellServices::GetFileType(const QString& path,
                                                           std::optional<quint32> attributes) {
    if (!attributes) attributes = fs_.GetAttributes(path);
    const quint32 bits = attributes.value_or(0);
    if (IsStorageCard(bits)) {
        // A card reads as a folder to the user; only its icon tells it apart.
        return Describe(db_.mimeTypeForName(QStringLiteral("inode/directory")),
                        BuiltInIconName(IDI_FOLDER), QStringLiteral("drive-removable-media"));
    }
    if (IsDirectory(bits)) {
        return Describe(db_.mimeTypeForName(QStringLiteral("inode/directory")),
                        BuiltInIconName(IDI_FOLDER));
    }
    const QMimeType type = db_.mimeTypeForFile(FileNamePart(path), QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault()) return std::nullopt;
    const bool program = type.inherits(QStringLiteral("application/x-executable")) ||
                         type.genericIconName() == QLatin1String("application-x-executable");
    return Describe(type, BuiltInIconName(program ? IDI_PROGRAM : IDI_FILE));
}

FileTypeInfo MimeShellServices::Describe(const QMimeType& type, const QString& builtInIcon,
                                         const QString& preferredIcon) {
    FileTypeInfo info;
    info.typeText = Comment(type);
    for (const QString& name :
         {preferredIcon, type.iconName(), type.genericIconName(), builtInIcon}) {
        if (!name.isEmpty() && !info.iconNames.contains(name)) info.iconNames.append(name);
    }
    return info;
}

QString MimeShellServices::Comment(const QMimeType& type) {
    auto found = comments_.constFind(type.name());
    if (found != comments_.cend()) return *found;
    // QMimeType::comment() picks its language from the default locale and offers no other
    // way to ask; switch it for the moment of the call.
    QString text;
    const QLocale previous;
    if (previous == language_) {
        text = type.comment();
    } else {
        QLocale::setDefault(language_);
        text = type.comment();
        QLocale::setDefault(previous);
    }
    comments_.insert(type.name(), text);
    return text;
}
