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
inline QString BuiltInIconName(int iconId) {
    return QStringLiteral("nuvio-%1").arg(iconId);
}

// What came of opening a file.
enum class OpenResult {
    Opened,
    Gone,           // the file does not exist (any more)
    NoApplication,  // its type has no application
    Program,        // a real program: started only through RunProgram, after a question
    Failed,         // the application could not be started
};

// The transfers the platform carries out itself.
enum class TransferService { Mail, LinkSend, LinkReceive };

// Folders the shell knows by number.
inline constexpr int kSpecialFolderPrograms = 2;  // "\Windows\Start Menu\Programs"
inline constexpr int kSpecialFolderPersonal = 5;  // "\My Documents"

class ShellServices {
public:
    virtual ~ShellServices() = default;

    // Type text and icons of the file or volume folder at a device path; nothing when the
    // type is unknown. attributes, when the caller has them, spares a look-up; a path that
    // does not exist (any more) is typed as a file by its name.
    virtual std::optional<FileTypeInfo> GetFileType(
        const QString& path, std::optional<quint32> attributes = std::nullopt) = 0;

    // Opens the file at a device path with the default application of its type and returns
    // as soon as that was started. A real program is never started here, whatever its
    // execute bit: Program says it is one, for the caller to ask before RunProgram.
    virtual OpenResult OpenFile(const QString& path) {
        Q_UNUSED(path);
        return OpenResult::NoApplication;
    }
    // Starts a file that OpenFile called a program. False when it could not be started.
    virtual bool RunProgram(const QString& path) {
        Q_UNUSED(path);
        return false;
    }

    // The command text of a shortcut file: a device path, possibly in double quotes, possibly
    // followed by arguments. Nothing for a file that is no shortcut.
    virtual std::optional<QString> GetShortcutCommand(const QString& shortcutPath) {
        Q_UNUSED(shortcutPath);
        return std::nullopt;
    }

    // Creates a shortcut file whose command is target (a quoted path). False when it could
    // not be written or a file of that name exists already.
    virtual bool CreateShortcut(const QString& shortcutPath, const QString& target) {
        Q_UNUSED(shortcutPath);
        Q_UNUSED(target);
        return false;
    }

    // The device path of a special folder (kSpecialFolder...), created when asked; nothing
    // for an unknown id or a folder that does not exist and was not created.
    virtual std::optional<QString> GetSpecialFolder(int folderId, bool create) {
        Q_UNUSED(folderId);
        Q_UNUSED(create);
        return std::nullopt;
    }

    // Shows or hides the soft input panel.
    virtual void ShowInputPanel(bool on) { Q_UNUSED(on); }

    // Whether the platform offers a transfer; the commands of a missing one are disabled.
    virtual bool HasTransferService(TransferService service) const {
        Q_UNUSED(service);
        return false;
    }
    // Hand a file (a device path) to the platform to send as an e-mail attachment or over the
    // short-range link, or let it receive files over the link into a folder. False when the
    // transfer could not be started; anything the user needs to know the platform tells.
    virtual bool SendByMail(const QString& path) {
        Q_UNUSED(path);
        return false;
    }
    virtual bool SendOverLink(const QString& path) {
        Q_UNUSED(path);
        return false;
    }
    virtual bool ReceiveOverLink(const QString& folder) {
        Q_UNUSED(folder);
        return false;
    }
};
