#include "support/fake_shell_services.h"

#include "app/path_helpers.h"
#include "platform/device_fs.h"
#include "platform/file_attributes.h"
#include "resources/ids.h"

FakeShellServices::FakeShellServices() {
    const QString file = BuiltInIconName(IDI_FILE);
    types.insert(QStringLiteral("txt"), {QStringLiteral("Text Document"), {"text-plain", file}});
    types.insert(QStringLiteral("jpg"), {QStringLiteral("JPEG Image"), {"image-jpeg", file}});
    types.insert(QStringLiteral("exe"),
                 {QStringLiteral("Application"), {"application-x-executable", file}});
}

std::optional<FileTypeInfo> FakeShellServices::GetFileType(const QString& path,
                                                           std::optional<quint32> attributes) {
    typeQueries.append(path);
    const quint32 bits = attributes.value_or(0);
    if (IsDirectory(bits)) {
        return FileTypeInfo{IsStorageCard(bits) ? QStringLiteral("Card") : QStringLiteral("Folder"),
                            {BuiltInIconName(IDI_FOLDER)}};
    }
    auto found = types.constFind(Extension(path).toLower());
    if (found == types.cend()) return std::nullopt;
    return *found;
}

OpenResult FakeShellServices::OpenFile(const QString& path) {
    openedFiles.append(path);
    auto found = openResults.constFind(path);
    if (found != openResults.cend()) return *found;
    return types.contains(Extension(path).toLower()) ? OpenResult::Opened
                                                     : OpenResult::NoApplication;
}

bool FakeShellServices::RunProgram(const QString& path) {
    ranPrograms.append(path);
    return true;
}

std::optional<QString> FakeShellServices::GetShortcutCommand(const QString& shortcutPath) {
    auto found = shortcuts.constFind(shortcutPath);
    if (found == shortcuts.cend()) return std::nullopt;
    return *found;
}

bool FakeShellServices::CreateShortcut(const QString& shortcutPath, const QString& target) {
    createdShortcuts.append({shortcutPath, target});
    if (device) {
        std::unique_ptr<DeviceFile> file = device->Open(shortcutPath, OpenMode::CreateAlways);
        const QByteArray text = target.toUtf8();
        if (!file || !file->Write(text.constData(), text.size()) || !file->Close()) return false;
    }
    shortcuts.insert(shortcutPath, target);
    return true;
}
