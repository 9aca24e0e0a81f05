#pragma once

#include <functional>

#include "platform/mime_shell_services.h"
#include "platform/transfer_commands.h"

class DeviceFs;

// The desktop's shell for the application: types from the mime database, opening through
// the desktop's default handler (xdg-open; real programs only on request), shortcut files
// in the handheld's text form "N#command" and the device's special folders. The soft input
// panel needs the window layer, which installs it as a hook.
class DesktopShellServices : public MimeShellServices {
public:
    explicit DesktopShellServices(DeviceFs& fs);

    OpenResult OpenFile(const QString& path) override;
    bool RunProgram(const QString& path) override;
    std::optional<QString> GetShortcutCommand(const QString& shortcutPath) override;
    bool CreateShortcut(const QString& shortcutPath, const QString& target) override;
    std::optional<QString> GetSpecialFolder(int folderId, bool create) override;
    void ShowInputPanel(bool on) override;
    bool HasTransferService(TransferService service) const override;
    bool SendByMail(const QString& path) override;
    bool SendOverLink(const QString& path) override;
    bool ReceiveOverLink(const QString& folder) override;

    // The programs are looked up once, at the first question; tests set their own.
    void SetTransferCommands(TransferCommands commands) { transfers_ = std::move(commands); }

    void SetInputPanelHook(std::function<void(bool)> hook) { inputPanel_ = std::move(hook); }

    // Reads "N#command": N decimal digits giving the length of the command in UTF-16 units.
    // Line ends after the command are ignored; a command holding a line break or NUL, or
    // anything else malformed, gives nothing.
    static std::optional<QString> ParseShortcut(const QByteArray& content);
    static QByteArray FormatShortcut(const QString& command);
    // A real program: an ELF file, or a "#!" script of an executable type, with an execute
    // bit. Any other file opens with its type's application, whatever its bits.
    static bool IsProgram(const QByteArray& head, const QMimeType& type, bool executable);
    // The type a file opens as: by its name, else by its first bytes.
    static QMimeType OpeningType(const QString& name, const QByteArray& head);
    static constexpr qint64 kHeadBytes = 4096;
    // Shortcut files are tiny; anything larger is no shortcut.
    static constexpr qint64 kMaxShortcutBytes = 4096;

private:
    const TransferCommands& Transfers() const;
    // Starts the service's program on the host path of an existing file or folder.
    bool StartTransfer(TransferService service, const QString& path, bool folder);

    DeviceFs& fs_;
    mutable std::optional<TransferCommands> transfers_;
    std::function<void(bool)> inputPanel_;
};
