#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <QThread>
#include <QUrl>

#include "platform/desktop_shell_services.h"
#include "platform/host_path_map.h"
#include "platform/mime_shell_services.h"
#include "platform/transfer_commands.h"
#include "resources/ids.h"
#include "support/qt_printers.h"
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

// Restores the process's default locale whatever a test does to it.
class MimeShellServicesTest : public ::testing::Test {
protected:
    MimeShellServicesTest() : device({QStringLiteral("Storage Card")}), shell(device.fs()) {
        QLocale::setDefault(QLocale::c());
    }
    ~MimeShellServicesTest() override { QLocale::setDefault(saved); }

    QLocale saved;
    TempDevice device;
    MimeShellServices shell;
};

}  // namespace

TEST(DesktopShellServices, ShortcutFilesInTheHandheldForm) {
    using D = DesktopShellServices;
    EXPECT_EQ(D::ParseShortcut("16#\"\\Windows\\a.exe\"\r\n"),
              QStringLiteral("\"\\Windows\\a.exe\""));
    EXPECT_EQ(D::ParseShortcut("3#abcdef"), QStringLiteral("abc"));
    for (const char* bad : {"", "#abc", "x3#abc", "9#abc", "0#", "12345678901#a", "3abc",
                            "6#1f'\n\"\n06#1f'\n", "2#a\xf0\x9f\x98\x80"})
        EXPECT_FALSE(D::ParseShortcut(bad)) << bad;

    TempDevice device;
    DesktopShellServices shell(device.fs());
    const QString link = QStringLiteral("\\s.lnk");
    ASSERT_TRUE(shell.CreateShortcut(link, QStringLiteral("\"\\My Documents\\新 檔.txt\"")));
    EXPECT_FALSE(shell.CreateShortcut(link, QStringLiteral("\"\\other\"")));
    EXPECT_EQ(shell.GetShortcutCommand(link), QStringLiteral("\"\\My Documents\\新 檔.txt\""));
    device.File(QStringLiteral("\\big.lnk"), QByteArray(D::kMaxShortcutBytes + 1, '1'));
    EXPECT_FALSE(shell.GetShortcutCommand(QStringLiteral("\\big.lnk")));
    EXPECT_FALSE(shell.GetShortcutCommand(QStringLiteral("\\missing.lnk")));

    EXPECT_FALSE(shell.GetSpecialFolder(kSpecialFolderPrograms, false));
    EXPECT_TRUE(shell.GetSpecialFolder(kSpecialFolderPrograms, true));
    EXPECT_TRUE(device.Exists(QStringLiteral("\\Windows\\Start Menu\\Programs")));
    EXPECT_FALSE(shell.GetSpecialFolder(99, true));
}

// Only a real program is one: an execute bit alone runs nothing.
TEST(DesktopOpen, OnlyElfFilesAndExecutableScriptsWithTheBitArePrograms) {
    struct Case {
        const char* name;
        QByteArray head;
        bool executable;
        bool program;
    };
    const QByteArray elf = QByteArray::fromHex("7f454c46020101");  // "\x7f" "ELF", 64-bit
    const Case cases[] = {
        {"tool", elf, true, true},
        {"tool", elf, false, false},
        {"run.sh", "#!/bin/sh\necho hi\n", true, true},
        {"script", "#!/usr/bin/python3\nprint(1)\n", true, true},
        {"notes.txt", "#!/bin/sh\nrm -rf ~\n", true, false},
        {"notes.txt", "just text\n", true, false},
        {"photo.jpg", QByteArray("\xff\xd8\xff\xe0\0\x10JFIF", 10), true, false},
        {"run.sh", "#!/bin/sh\n", false, false},
    };
    for (const Case& c : cases) {
        const QMimeType type = DesktopShellServices::OpeningType(c.name, c.head);
        EXPECT_EQ(DesktopShellServices::IsProgram(c.head, type, c.executable), c.program)
            << c.name << " " << c.executable;
    }

    TempDevice device;
    device.File("\\tool", elf);
    ASSERT_EQ(chmod(QFile::encodeName(device.HostRoot() + "/tool").constData(), 0755), 0);
    DesktopShellServices shell(device.fs());
    EXPECT_EQ(shell.OpenFile("\\tool"), OpenResult::Program);
    EXPECT_EQ(shell.OpenFile("\\missing.txt"), OpenResult::Gone);
}

// Host paths and URIs of desktop programs onto the device: the innermost volume wins, and
// what lies outside every volume (or is no host path) maps to nothing.
TEST(HostPathMap, MapsPathsAndUrisInsideVolumesOnly) {
    TempDevice d({"Card"});
    d.Make({"\\My Documents\\a b#.txt=1"});
    const QString root = d.HostRoot();
    const QString card = d.CardHostDir("Card");
    ASSERT_TRUE(QFile::link(root, d.BaseDir() + "/alias"));
    const QString url = QUrl::fromLocalFile(root + "/My Documents/a b#.txt").toString();
    const struct {
        QString argument;
        QString device;  // empty: no device path
    } cases[] = {
        {root, "\\"},
        {root + "/My Documents/a b#.txt", "\\My Documents\\a b#.txt"},
        {url, "\\My Documents\\a b#.txt"},
        {root + "/My Documents/../new.txt", "\\new.txt"},  // not there yet: still maps
        {card + "/x/y", "\\Card\\x\\y"},
        {d.BaseDir() + "/alias/My Documents", "\\My Documents"},
        {d.BaseDir() + "/elsewhere", ""},
        {"\\My Documents", ""},
        {"relative/path", ""},
        {"file://otherhost" + root, ""},
        {"https://example.org/a.txt", ""},
    };
    for (const auto& c : cases) {
        const auto device = DevicePathOfHost(d.fs(), HostPathOfArgument(c.argument));
        EXPECT_EQ(device.value_or(QString()), c.device) << c.argument.toStdString();
    }
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

TEST_F(MimeShellServicesTest, FilesAreTypedByNameInTraditionalChineseAndFoldersAsFolders) {
    auto text = shell.GetFileType("\\Nowhere\\notes.TXT", std::nullopt);  // need not exist
    ASSERT_TRUE(text);
    EXPECT_EQ(text->typeText, QStringLiteral("純文字文件"));
    EXPECT_EQ(text->iconNames,
              QStringList({"text-plain", "text-x-generic", BuiltInIconName(IDI_FILE)}));
    // The caller's locale is left as it was.
    EXPECT_EQ(QLocale(), QLocale::c());
    EXPECT_EQ(shell.GetFileType("\\setup.exe", std::nullopt)->iconNames.last(),
              BuiltInIconName(IDI_PROGRAM));
    // The generic binary type counts as unknown.
    EXPECT_FALSE(shell.GetFileType("\\a.nuvio-no-such-type", std::nullopt));

    // Folders and cards are folders, whatever their names say.
    device.Make({"\\Notes.txt\\"});
    auto folder = shell.GetFileType("\\Notes.txt", std::nullopt);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->typeText, QStringLiteral("資料夾"));
    EXPECT_EQ(folder->iconNames.last(), BuiltInIconName(IDI_FOLDER));

    auto card = shell.GetFileType("\\Storage Card", Attr::kDirectory | Attr::kTemporary);
    ASSERT_TRUE(card);
    EXPECT_EQ(card->typeText, folder->typeText);
    EXPECT_EQ(card->iconNames.first(), QStringLiteral("drive-removable-media"));
    EXPECT_EQ(shell.GetFileType("\\Storage Card", std::nullopt)->iconNames, card->iconNames);
}
