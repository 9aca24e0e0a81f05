#include "platform/desktop_shell_services.h"

#include <QFileInfo>
#include <algorithm>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

#include "app/path_helpers.h"
#include "platform/device_fs.h"

namespace {

// The desktop's default application for a mime type; empty when there is none or the
// desktop offers no way to ask.
QString DefaultApplicationFor(const QString& mimeType) {
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty()) return QString();
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(1000);
        return QString();
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

}  // namespace

DesktopShellServices::DesktopShellServices(DeviceFs& fs) : MimeShellServices(fs), fs_(fs) {}

OpenResult DesktopShellServices::OpenFile(const QString& path) {
    // The first bytes tell a program and the type by content as well as by name.
    std::unique_ptr<DeviceFile> file = fs_.Open(path, OpenMode::Read);
    if (!file) return fs_.GetAttributes(path) ? OpenResult::Failed : OpenResult::Gone;
    QByteArray head(kHeadBytes, '\0');
    const qint64 got = file->Read(head.data(), head.size());
    head.truncate(int(std::max<qint64>(got, 0)));
    file.reset();
    const QMimeType type = OpeningType(FileNamePart(path), head);
    const bool executable = (fs_.GetPermissions(path).value_or(0) & 0111) != 0;
    if (IsProgram(head, type, executable)) return OpenResult::Program;

    const QString host = fs_.HostPath(path);
    if (host.isEmpty()) return OpenResult::Failed;
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    // xdg-open reports success before the handler runs, so "no association" is asked first.
    if (opener.isEmpty() || DefaultApplicationFor(type.name()).isEmpty()) {
        return OpenResult::NoApplication;
    }
    const QFileInfo info(host);
    return QProcess::startDetached(opener, {info.absoluteFilePath()}, info.absolutePath())
               ? OpenResult::Opened
               : OpenResult::Failed;
}

bool DesktopShellServices::RunProgram(const QString& path) {
    const QString host = fs_.HostPath(path);
    if (host.isEmpty()) return false;
    const QFileInfo info(host);
    return QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
}

QMimeType DesktopShellServices::OpeningType(const QString& name, const QByteArray& head) {
    // The name decides where it can: "notes.txt" stays a text file whatever its first line.
    const QMimeDatabase db;
    const QMimeType byName = db.mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    return byName.isDefault() ? db.mimeTypeForFileNameAndData(name, head) : byName;
}

bool DesktopShellServices::IsProgram(const QByteArray& head, const QMimeType& type,
                                     bool executable) {
    if (!executable) return false;
    if (head.startsWith("\x7f" "ELF")) return true;
    // A script runs through its interpreter line; a text file with the bit set is no program.
    return head.startsWith("#!") && type.inherits(QStringLiteral("application/x-executable"));
}

std::optional<QString> DesktopShellServices::ParseShortcut(const QByteArray& content) {
    const int hash = content.indexOf('#');
    if (hash <= 0 || hash > 9) return std::nullopt;
    qint64 length = 0;
    for (int i = 0; i < hash; ++i) {
        const char c = content[i];
        if (c < '0' || c > '9') return std::nullopt;
        length = length * 10 + (c - '0');
    }
    QString command = QString::fromUtf8(content.mid(hash + 1));
    while (command.endsWith(QLatin1Char('\n')) || command.endsWith(QLatin1Char('\r')))
        command.chop(1);
    if (length <= 0 || length > command.size()) return std::nullopt;
    command.truncate(int(length));
    // A length that cuts a character in two is malformed.
    if (command.back().isHighSurrogate()) return std::nullopt;
    // The command is one line: a line break inside it would not survive being written back.
    for (QChar c : {QChar(0), QChar(u'\n'), QChar(u'\r')}) {
        if (command.contains(c)) return std::nullopt;
    }
    return command;
}

QByteArray DesktopShellServices::FormatShortcut(const QString& command) {
    return QByteArray::number(command.size()) + '#' + command.toUtf8();
}

std::optional<QString> DesktopShellServices::GetShortcutCommand(const QString& shortcutPath) {
    std::unique_ptr<DeviceFile> file = fs_.Open(shortcutPath, OpenMode::Read);
    if (!file || file->Size() > kMaxShortcutBytes) return std::nullopt;
    QByteArray content(file->Size(), '\0');
    qint64 done = 0;
    while (done < content.size()) {
        const qint64 got = file->Read(content.data() + done, content.size() - done);
        if (got <= 0) return std::nullopt;
        done += got;
    }
    file->Close();
    return ParseShortcut(content);
}

bool DesktopShellServices::CreateShortcut(const QString& shortcutPath, const QString& target) {
    if (target.isEmpty() || fs_.GetAttributes(shortcutPath)) return false;
    std::unique_ptr<DeviceFile> file = fs_.Open(shortcutPath, OpenMode::CreateAlways);
    if (!file) return false;
    const QByteArray content = FormatShortcut(target);
    const bool written = file->Write(content.constData(), content.size()) && file->Close();
    if (!written) fs_.DeleteFile(shortcutPath);
    return written;
}

std::optional<QString> DesktopShellServices::GetSpecialFolder(int folderId, bool create) {
    QString folder;
    if (folderId == kSpecialFolderPersonal) {
        folder = QStringLiteral("\\My Documents");
    } else if (folderId == kSpecialFolderPrograms) {
        folder = QStringLiteral("\\Windows\\Start Menu\\Programs");
    } else {
        return std::nullopt;
    }
    const std::optional<quint32> attributes = fs_.GetAttributes(folder);
    if (attributes && IsDirectory(*attributes)) return folder;
    if (create && MakePath(fs_, folder)) return folder;
    return std::nullopt;
}

void DesktopShellServices::ShowInputPanel(bool on) {
    if (inputPanel_) inputPanel_(on);
}

const TransferCommands& DesktopShellServices::Transfers() const {
    if (!transfers_) transfers_ = TransferCommands::FromSystem();
    return *transfers_;
}

bool DesktopShellServices::HasTransferService(TransferService service) const {
    return Transfers().For(service).has_value();
}

bool DesktopShellServices::StartTransfer(TransferService service, const QString& path,
                                         bool folder) {
    const std::optional<TransferCommand>& command = Transfers().For(service);
    if (!command) return false;
    const QString host = fs_.HostPath(path);
    if (host.isEmpty()) return false;
    const QFileInfo info(host);
    if (!info.exists() || info.isDir() != folder) return false;
    const QString workingFolder = folder ? info.absoluteFilePath() : info.absolutePath();
    return QProcess::startDetached(command->program, command->ArgumentsFor(info.absoluteFilePath()),
                                   workingFolder);
}

bool DesktopShellServices::SendByMail(const QString& path) {
    return StartTransfer(TransferService::Mail, path, false);
}

bool DesktopShellServices::SendOverLink(const QString& path) {
    return StartTransfer(TransferService::LinkSend, path, false);
}

bool DesktopShellServices::ReceiveOverLink(const QString& folder) {
    return StartTransfer(TransferService::LinkReceive, folder, true);
}
