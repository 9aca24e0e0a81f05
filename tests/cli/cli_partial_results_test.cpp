#include <QDir>
#include <QFile>

#include "app/load_str.h"
#include "cli/cli_test_fixture.h"
#include "platform/device_fs.h"
#include "resources/ids.h"

// What a command did not do is said, with exit status 1: names numbered for a case clash,
// entries left out, attribute changes that did not happen. And a fresh device's standard
// folders exist for the first command.
class CliPartialResultsTest : public CliTest {
protected:
    void HostFile(const QString& relative, const QByteArray& content) {
        const QString path = device().HostRoot() + "/" + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
};

TEST_F(CliPartialResultsTest, TheFirstCommandOnAFreshDeviceSeesTheStandardFolders) {
    const CliResult result = Run({"fav", "add", "Docs", "\\My Documents"});
    EXPECT_EQ(result.code, 0) << result.err.toStdString();
    EXPECT_TRUE(Run({"fav", "list"}).out.contains("Docs"));
}

TEST_F(CliPartialResultsTest, CopyNamesWhatItRenamedAndWhatItLeftOut) {
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
