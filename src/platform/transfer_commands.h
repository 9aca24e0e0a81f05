#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "platform/shell_services.h"

// One outside program that carries out a transfer. "%f" in its arguments stands for the host
// path of the file or folder; without it the path is appended.
struct TransferCommand {
    QString program;  // absolute, found on the machine
    QStringList arguments;

    QStringList ArgumentsFor(const QString& hostPath) const;
};

// The programs behind the transfer services: e-mail through the desktop's xdg-email, the
// short-range link through the command configured in NUVIO_LINK_SEND / NUVIO_LINK_RECEIVE,
// else a Bluetooth send tool found on the machine. A service without a program is missing.
class TransferCommands {
public:
    // Finds a program by name (or checks a path); empty when it is not there.
    using ProgramFinder = std::function<QString(const QString& name)>;

    // environment: variable -> value; finder: QStandardPaths::findExecutable when empty.
    static TransferCommands Find(const std::function<QString(const char*)>& environment,
                                 ProgramFinder finder = {});
    static TransferCommands FromSystem();

    // "program args..." split as a shell would; none when empty or the program is missing.
    static std::optional<TransferCommand> Parse(const QString& commandLine,
                                                const ProgramFinder& finder);

    const std::optional<TransferCommand>& For(TransferService service) const;

    std::optional<TransferCommand> mail;
    std::optional<TransferCommand> linkSend;
    std::optional<TransferCommand> linkReceive;
};
