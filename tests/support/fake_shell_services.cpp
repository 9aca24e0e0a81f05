#include "support/fake_shell_services.h"

#include "app/path_helpers.h"
#include "platform/device_fs.h"
#include "platform/file_attributes.h"
#include "resources/ids.h"

FakeShellServices::FakeShellServices() {
    AddType(QStringLiteral("txt"), QStringLiteral("Text Document"), QStringLiteral("text-plain"));
    AddType(QStringLiteral("jpg"), QStringLiteral("JPEG Image"), QStringLiteral("image-jpeg"));
    AddType(QStringLiteral("exe"), QStringLiteral("Application"),
            QStringLiteral("application-x-executable"));
}

void FakeShellServices::AddType(const QString& extension, const QString& text,
                                const QString& iconName) {
    types.insert(extension, FileTypeInfo{text, {iconName, BuiltInIconName(IDI_FILE)}});
}

std::optional<FileTypeInfo> FakeShellServices::GetFileType(const QString& path,
                                                           std::optional<quint32> attributes) {
    typeQueries.append(path);
    const quint32 bits = attributes.value_or(0);
    if (IsStorageCard(bits)) {
        return FileTypeInfo{QStringLiteral("Card"), {BuiltInIconName(IDI_FOLDER)}};
    }
    if (IsDirectory(bits)) {
        return FileTypeInfo{QStringLiteral("Folder"), {BuiltInIconName(IDI_FOLDER)}};
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
    if (!createShortcutSucceeds) return false;
    if (device) {
        std::unique_ptr<DeviceFile> file = device->Open(shortcutPath, OpenMode::CreateAlways);
        const QByteArray text = target.toUtf8();
        if (!file || !file->Write(text.constData(), text.size()) || !file->Close()) return false;
    }
    shortcuts.insert(shortcutPath, target);
    return true;
}

std::optional<QString> FakeShellServices::GetSpecialFolder(int folderId, bool create) {
    Q_UNUSED(create);
    auto found = specialFolders.constFind(folderId);
    if (found == specialFolders.cend()) return std::nullopt;
    return *found;
}

void FakeShellServices::ShowInputPanel(bool on) {
    inputPanelCalls.append(on);
}

bool FakeShellServices::HasTransferService(TransferService service) const {
    return !missingTransfers.contains(service);
}

bool FakeShellServices::SendByMail(const QString& path) {
    mailed.append(path);
    return transferStarts;
}

bool FakeShellServices::SendOverLink(const QString& path) {
    sentOverLink.append(path);
    return transferStarts;
}

bool FakeShellServices::ReceiveOverLink(const QString& folder) {
    receivedInto.append(folder);
    return transferStarts;
}
