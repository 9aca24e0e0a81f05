#include "cli/cli_test_fixture.h"

// Bad usage exits 2 without touching anything; --help explains and exits 0.
class CliUsageTest : public CliTest {};

TEST_F(CliUsageTest, BadUsageExitsTwoAndChangesNothing) {
    device().Make({"\\A\\a.txt=a"});
    const QStringList before = device().Snapshot();
    const QList<QStringList> cases = {
        {"--root", device().BaseDir() + "/missing", "ls"},
        {},
        {"frobnicate"},
        {"ls", "--bogus"},
        {"ls", "--sort", "colour"},
        {"ls", "\\A", "\\B"},
        {"cp", "\\A\\a.txt"},
        {"mv", "--yes", "--no", "\\A\\a.txt", "\\B"},
        {"rm"},
        {"attrib"},
        {"ln", "\\A\\a.txt"},
        {"bin"},
        {"bin", "restore", "first"},
        {"bin", "shred"},
        {"fav", "rm", "-1"},
        {"dump", "--page", "0", "\\A\\a.txt"},
        {"find", "\\A"},
        {"encrypt", "--password-fd", "x", "\\A\\a.txt"},
    };
    for (const QStringList& arguments : cases) {
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.code, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("用法: nuvio")))
            << arguments.join(' ').toStdString();
    }
    EXPECT_EQ(device().Snapshot(), before);
}

TEST_F(CliUsageTest, HelpForEveryCommand) {
    for (const char* command : {"ls", "attrib", "mkdir", "cp", "mv", "rm", "ln", "bin", "encrypt",
                                "decrypt", "find", "dump", "info", "fav"}) {
        const CliResult result = Run({QString::fromLatin1(command), QStringLiteral("--help")});
        EXPECT_EQ(result.code, 0) << command;
        EXPECT_TRUE(
            result.out.startsWith(QStringLiteral("用法: nuvio ") + QString::fromLatin1(command)))
            << command;
    }
    EXPECT_EQ(Run({"--help"}).code, 0);
    // The locale chooses the language of the usage as of the messages.
    qputenv("LC_ALL", "en_US.UTF-8");
    EXPECT_TRUE(Run({"ls", "--help"}).out.startsWith(QStringLiteral("usage: nuvio ls")));
    qputenv("LC_ALL", "C.UTF-8");
}
