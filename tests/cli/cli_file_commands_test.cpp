#include <QDir>
#include <QFile>

#include "app/load_str.h"
#include "app/message.h"
#include "cli/cli_test_fixture.h"
#include "platform/device_fs.h"
#include "resources/ids.h"

// mkdir, cp, mv, rm and ln: one run each over the explorer's rules, with the exit status
// and the flags that answer questions. The rules themselves are tested in the core. What a
// command did not do is said, with exit status 1.
class CliFileCommandsTest : public CliTest {
protected:
    void HostFile(const QString& relative, const QByteArray& content) {
        const QString path = device().HostRoot() + "/" + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
};

TEST_F(CliFileCommandsTest, MkdirMoveAndLink) {
    device().Make({"\\A\\a.txt=a", "\\A\\T\\deep\\x.txt=x", "\\B\\"});
    const CliResult mkdir = Run({"mkdir", "\\B\\New", "\\B\\new", "\\Gone\\X"});
    EXPECT_EQ(mkdir.code, 1);
    EXPECT_TRUE(Reported(mkdir.err, LoadStr(IDS_FOLDER_EXISTS)));
    EXPECT_TRUE(Reported(mkdir.err, FormatStr(IDS_FOLDER_NOT_FOUND, "\\Gone")));
    EXPECT_EQ(Run({"mv", "\\A\\a.txt", "\\A\\T", "\\B"}).code, 0);
    EXPECT_EQ(device().List("\\A"), QStringList());
    EXPECT_EQ(device().Read("\\B\\T\\deep\\x.txt"), "x");
    EXPECT_EQ(Run({"ln", "\\B\\a.txt", "\\B\\New\\mine"}).code, 0);
    EXPECT_EQ(device().Read("\\B\\New\\mine.lnk"), "10#\"\\B\\a.txt\"");
    EXPECT_EQ(Run({"ln", "\\B\\a.txt", "\\B\\New\\mine.lnk"}).code, 1);
}

TEST_F(CliFileCommandsTest, CopyAnswersTheReplacementQuestionFromFlags) {
    device().Make({"\\A\\a.txt=new", "\\B\\a.txt=old"});
    const CliResult safe = Run({"cp", "\\A\\a.txt", "\\A\\gone.txt", "\\B"});
    EXPECT_EQ(safe.code, 1);
    EXPECT_TRUE(Reported(safe.err, FormatStr(IDS_FILE_EXISTS, "a.txt")));
    EXPECT_TRUE(Reported(safe.err, FormatStr(IDS_FILE_NOT_FOUND, "\\A\\gone.txt")));
    EXPECT_EQ(Run({"cp", "--no", "\\A\\a.txt", "\\B"}).code, 0);
    EXPECT_EQ(device().Read("\\B\\a.txt"), "old");
    EXPECT_EQ(Run({"cp", "--yes", "\\A\\a.txt", "\\B"}).code, 0);
    EXPECT_EQ(device().Read("\\B\\a.txt"), "new");
    EXPECT_EQ(Run({"cp", "\\A\\a.txt", "\\B\\renamed.txt"}).code, 0);
    EXPECT_EQ(device().Read("\\B\\renamed.txt"), "new");
    device().SetRawAttributes("\\B\\a.txt", Attr::kInRom);
    const CliResult refused = Run({"cp", "--yes", "\\A\\a.txt", "\\B"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains("\\A\\a.txt\"\n" + LoadStr(IDS_CAUSE_ACCESS_DENIED)));
}

TEST_F(CliFileCommandsTest, RemoveGoesIntoTheBinUnlessPurgedAndAsksForReadOnlyFiles) {
    device().Make({"\\A\\a.txt=a", "\\A\\b.txt=b", "\\A\\ro.txt=r"});
    device().SetRawAttributes("\\A\\ro.txt", Attr::kReadOnly);
    EXPECT_EQ(Run({"rm", "\\A\\a.txt"}).code, 0);
    EXPECT_EQ(Run({"rm", "--purge", "\\A\\b.txt"}).code, 0);
    EXPECT_EQ(device().List("\\~Recycle"), QStringList({"a.txt.nzc", "~Recycle.bin"}));
    const CliResult safe = Run({"rm", "--purge", "\\A\\ro.txt"});
    EXPECT_EQ(safe.code, 1);
    EXPECT_TRUE(Reported(safe.err, FormatStr(IDS_CONFIRM_DELETE_READ_ONLY, "ro.txt")));
    EXPECT_EQ(Run({"rm", "--purge", "--yes", "\\A\\ro.txt"}).code, 0);
    EXPECT_EQ(device().List("\\A"), QStringList());
}

TEST_F(CliFileCommandsTest, CopyNamesWhatItRenamedAndWhatItLeftOut) {
    for (const char* name : {"S/A.txt", "S/a.txt", "S/Meeting 10:30.txt", "T/Meeting 10:30.txt"})
        HostFile(name, name);
    device().Make({"\\S\\rom.dll=r", "\\D\\"});
    device().SetRawAttributes("\\S\\rom.dll", Attr::kInRom);
    const CliResult result = Run({"cp", "\\S", "\\D"});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains(LoadStr(IDS_ITEMS_LEFT_OUT).section('\n', 0, 0)));
    EXPECT_TRUE(result.err.contains("\\S\\rom.dll"));
    EXPECT_TRUE(result.err.contains("\\S\\Meeting 10:30.txt"));
    EXPECT_EQ(Run({"cp", "\\T", "\\D"}).code, 1);  // a folder of nothing it can show
    EXPECT_TRUE(result.err.contains(LoadStr(IDS_ITEMS_RENAMED).section('\n', 0, 0)));
    EXPECT_TRUE(result.err.contains("(2).txt"));
    EXPECT_EQ(device().List("\\D\\S").size(), 2);  // which twin is numbered: a core rule
}
