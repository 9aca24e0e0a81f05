#include "app/load_str.h"
#include "app/message.h"
#include "cli/cli_test_fixture.h"
#include "resources/ids.h"

// encrypt and decrypt with the password on a descriptor (here standard input).
class CliCryptTest : public CliTest {
protected:
    CliResult Crypt(const QStringList& arguments, const QByteArray& password = "geheim\n") {
        return Run(QStringList{arguments[0], "--password-fd", "0"} + arguments.mid(1), password);
    }
    static QString Joined(const QString& name, int textId) {
        return name + QLatin1Char('\n') + LoadStr(textId);
    }
};

// --delete removes an original only after its own run succeeded.
TEST_F(CliCryptTest, EncryptDeleteRemovesTheOriginalOnlyAfterSuccess) {
    device().Make({"\\A\\a.txt=a", "\\A\\rom.bin=r", "\\A\\b.txt=b"});
    device().SetRawAttributes("\\A\\rom.bin", Attr::kInRom);
    const CliResult result =
        Crypt({"encrypt", "--delete", "\\A\\a.txt", "\\A\\rom.bin", "\\A\\gone", "\\A\\b.txt"});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.out.startsWith("\\A\\a.txt.enc\n"));
    EXPECT_TRUE(Reported(result.err, Joined("rom.bin", IDS_CANNOT_ENCRYPT_ROM_FILE)));
    EXPECT_TRUE(Reported(result.err, Joined("gone", IDS_CANNOT_OPEN_FILE)));
    EXPECT_EQ(device().List("\\A"), QStringList({"a.txt.enc", "b.txt.enc", "rom.bin"}));

    const QStringList before = device().Snapshot();
    const CliResult wrong = Crypt({"decrypt", "\\A\\a.txt.enc"}, "wrong\n");
    EXPECT_EQ(wrong.code, 1);
    EXPECT_TRUE(Reported(wrong.err, Joined("a.txt.enc", IDS_WRONG_PASSWORD)));
    EXPECT_EQ(device().Snapshot(), before);
    EXPECT_EQ(Crypt({"decrypt", "--delete", "\\A\\A.TXT.ENC"}).code, 0);
    EXPECT_EQ(device().Read("\\A\\a.txt"), "a");
    EXPECT_FALSE(device().Exists("\\A\\a.txt.enc"));
}

TEST_F(CliCryptTest, PasswordMustComeFromADescriptorOrATerminal) {
    device().Make({"\\A\\a.txt=a"});
    const QStringList before = device().Snapshot();
    EXPECT_EQ(Run({"encrypt", "\\A\\a.txt"}).code, 2);  // no terminal in tests
    for (const QByteArray& bad : {QByteArray("\n"), QByteArray(), QByteArray(128, 'p') + "\n"})
        EXPECT_EQ(Crypt({"encrypt", "\\A\\a.txt"}, bad).code, 2) << bad.size();
    EXPECT_EQ(device().Snapshot(), before);
}
