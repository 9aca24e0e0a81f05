#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QFile>
#include <QMap>
#include <QThread>

#include "platform/desktop_shell_services.h"
#include "platform/transfer_commands.h"
#include "support/temp_device.h"

namespace {

// Programs "on the machine": the names listed are found at /bin/<name>.
TransferCommands::ProgramFinder Installed(const QStringList& names) {
    return [names](const QString& name) {
        return names.contains(name) ? QStringLiteral("/bin/") + name : QString();
    };
}

std::function<QString(const char*)> Environment(QMap<QString, QString> values) {
    return [values](const char* name) { return values.value(QString::fromLatin1(name)); };
}

TEST(TransferCommands, FindsTheDesktopToolsAndPrefersAConfiguredLink) {
    TransferCommands none = TransferCommands::Find(Environment({}), Installed({}));
    EXPECT_FALSE(none.mail || none.linkSend || none.linkReceive);

    TransferCommands found = TransferCommands::Find(
        Environment({}), Installed({"xdg-email", "blueman-sendto", "obexpushd"}));
    ASSERT_TRUE(found.mail);
    EXPECT_EQ(found.mail->program, "/bin/xdg-email");
    EXPECT_EQ(found.mail->ArgumentsFor("/h/a b.txt"), QStringList({"--attach", "/h/a b.txt"}));
    ASSERT_TRUE(found.linkSend);
    EXPECT_EQ(found.linkSend->program, "/bin/blueman-sendto");
    // Receiving is never guessed: it starts a server.
    EXPECT_FALSE(found.linkReceive);

    TransferCommands configured =
        TransferCommands::Find(Environment({{"NUVIO_LINK_SEND", "irsend --to \"my phone\""},
                                            {"NUVIO_LINK_RECEIVE", "obexpushd -n -o %f/in"}}),
                               Installed({"blueman-sendto", "irsend", "obexpushd"}));
    ASSERT_TRUE(configured.linkSend);
    EXPECT_EQ(configured.linkSend->program, "/bin/irsend");
    EXPECT_EQ(configured.linkSend->ArgumentsFor("/h/f"), QStringList({"--to", "my phone", "/h/f"}));
    ASSERT_TRUE(configured.For(TransferService::LinkReceive));
    EXPECT_EQ(configured.linkReceive->ArgumentsFor("/h/dir"),
              QStringList({"-n", "-o", "/h/dir/in"}));

    // A configured program that is not there leaves the service missing.
    TransferCommands broken = TransferCommands::Find(
        Environment({{"NUVIO_LINK_SEND", "gone-tool %f"}}), Installed({"blueman-sendto"}));
    EXPECT_FALSE(broken.linkSend);
}

TEST(TransferCommands, DesktopShellStartsTheProgramOnTheHostPath) {
    TempDevice device;
    device.Make({"\\My Documents\\a.txt=a", "\\My Documents\\Sub\\"});
    const QString out = device.BaseDir() + QStringLiteral("/sent");
    DesktopShellServices shell(device.fs());
    TransferCommands commands;  // the host file itself is handed on: a copy of it arrives
    commands.linkSend = TransferCommand{QStringLiteral("/bin/cp"), {QStringLiteral("%f"), out}};
    shell.SetTransferCommands(commands);
    EXPECT_TRUE(shell.HasTransferService(TransferService::LinkSend));
    EXPECT_FALSE(shell.HasTransferService(TransferService::Mail));
    EXPECT_FALSE(shell.SendByMail(QStringLiteral("\\My Documents\\a.txt")));
    // Only an existing file is sent.
    EXPECT_FALSE(shell.SendOverLink(QStringLiteral("\\My Documents\\Sub")));
    EXPECT_FALSE(shell.SendOverLink(QStringLiteral("\\My Documents\\gone.txt")));

    ASSERT_TRUE(shell.SendOverLink(QStringLiteral("\\My Documents\\a.txt")));
    QByteArray sent;
    for (QDeadlineTimer deadline(5000); sent != "a" && !deadline.hasExpired();) {
        QThread::msleep(10);
        QFile file(out);
        if (file.open(QIODevice::ReadOnly)) sent = file.readAll();
    }
    EXPECT_EQ(sent, "a");
}

}  // namespace
