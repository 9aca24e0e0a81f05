#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QUrl>

#include "platform/desktop_shell_services.h"
#include "platform/host_path_map.h"
#include "support/temp_device.h"

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
