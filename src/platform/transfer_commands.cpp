#include "platform/transfer_commands.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

const QString kPathMark = QStringLiteral("%f");

QString FindOnPath(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

std::optional<TransferCommand> FirstFound(const QStringList& commandLines,
                                          const TransferCommands::ProgramFinder& finder) {
    for (const QString& line : commandLines) {
        if (auto command = TransferCommands::Parse(line, finder)) return command;
    }
    return std::nullopt;
}

}  // namespace

QStringList TransferCommand::ArgumentsFor(const QString& hostPath) const {
    QStringList out;
    bool placed = false;
    for (const QString& argument : arguments) {
        if (argument.contains(kPathMark)) {
            out.append(QString(argument).replace(kPathMark, hostPath));
            placed = true;
        } else {
            out.append(argument);
        }
    }
    if (!placed) out.append(hostPath);
    return out;
}

std::optional<TransferCommand> TransferCommands::Parse(const QString& commandLine,
                                                       const ProgramFinder& finder) {
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty()) return std::nullopt;
    const QString program = finder(words.takeFirst());
    if (program.isEmpty()) return std::nullopt;
    return TransferCommand{program, words};
}

TransferCommands TransferCommands::Find(const std::function<QString(const char*)>& environment,
                                        ProgramFinder finder) {
    if (!finder) finder = FindOnPath;
    TransferCommands commands;
    // xdg-email opens the desktop's mail composer with the file attached.
    commands.mail = Parse(QStringLiteral("xdg-email --attach %f"), finder);
    // A configured command wins; otherwise the Bluetooth send tools of the common desktops.
    const QString send = environment("NUVIO_LINK_SEND");
    commands.linkSend = send.isEmpty() ? FirstFound({QStringLiteral("bluetooth-sendto %f"),
                                                     QStringLiteral("blueman-sendto %f")},
                                                    finder)
                                       : Parse(send, finder);
    // Receiving needs a listening server, which desktops do not start on demand: only a
    // configured command is used.
    const QString receive = environment("NUVIO_LINK_RECEIVE");
    if (!receive.isEmpty()) commands.linkReceive = Parse(receive, finder);
    return commands;
}

TransferCommands TransferCommands::FromSystem() {
    return Find([](const char* name) { return qEnvironmentVariable(name); });
}

const std::optional<TransferCommand>& TransferCommands::For(TransferService service) const {
    switch (service) {
        case TransferService::Mail:
            return mail;
        case TransferService::LinkSend:
            return linkSend;
        case TransferService::LinkReceive:
            break;
    }
    return linkReceive;
}
