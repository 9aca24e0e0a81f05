#include <QJsonObject>
#include <QUrl>

#include "app/message.h"
#include "cli/cli_test_fixture.h"
#include "platform/device_fs.h"
#include "platform/file_time.h"
#include "resources/ids.h"

// ls and attrib: the listing model's rows and the attribute bits, as the explorer has them.
class CliListingTest : public CliTest {
protected:
    QJsonArray ListJson(const QStringList& arguments) {
        return Json(QStringList{"ls", "--json"} + arguments);
    }
    static QStringList Names(const QJsonArray& rows) {
        QStringList names;
        for (const QJsonValue& row : rows)
            names.append(row.toObject().value("name").toString());
        return names;
    }
};

// Which entries hide is a core rule of the listing; here -a shows them.
TEST_F(CliListingTest, JsonRowsCarryTheListingFieldsAndAllShowsHiddenEntries) {
    device().Make({"\\D\\Sub\\", "\\D\\big.txt#3000", "\\D\\secret.txt=x"});
    device().SetRawAttributes("\\D\\secret.txt", Attr::kHidden | Attr::kArchive);
    const FileTime written = FileTimeFromDateTime(QDateTime(QDate(2024, 2, 29), QTime(8, 5, 6)));
    ASSERT_TRUE(device().fs().SetTimes("\\D\\big.txt", nullptr, nullptr, &written));
    const QJsonArray rows = ListJson({"\\D"});
    ASSERT_EQ(rows.size(), 2);
    QJsonObject file = rows[1].toObject();
    EXPECT_FALSE(file.take("type").toString().isEmpty());
    EXPECT_EQ(file, QJsonObject({{"name", "big.txt"}, {"folder", false}, {"size", 3000},
                                 {"written", "2024-02-29T08:05:06+08:00"},  // Asia/Taipei
                                 {"mime", "text/plain"}, {"attributes", int(Attr::kArchive)}}));
    const QJsonObject folder = rows[0].toObject();
    EXPECT_EQ(folder.value("name").toString(), "Sub");
    EXPECT_TRUE(folder.value("folder").toBool());
    EXPECT_EQ(folder.value("mime").toString(), "inode/directory");
    EXPECT_EQ(Names(ListJson({"-a", "\\D"})), QStringList({"Sub", "big.txt", "secret.txt"}));
    EXPECT_TRUE(Run({"ls", "\\D"}).out.contains("big.txt  2K"));

    // The recycle bin is hidden in the folder that holds it, from other file managers too.
    ASSERT_EQ(Run({"rm", "\\D\\big.txt"}).code, 0);
    EXPECT_EQ(device().Read("\\.hidden"), "~Recycle\n");
    EXPECT_FALSE(Names(ListJson({"\\"})).contains("~Recycle"));
    EXPECT_TRUE(Names(ListJson({"-a", "\\"})).contains("~Recycle"));
}

TEST_F(CliListingTest, RelativePathsStartAtTheExplorersLastFolder) {
    device().Make({"\\Work\\Inner\\x.txt=x"});
    Settings()->SetProfileTextById(IDS_SECTION_MAIN, IDS_KEY_WORK_DIRECTORY, "\\Work");
    EXPECT_EQ(Names(ListJson({})), QStringList({"Inner"}));
    EXPECT_EQ(Names(ListJson({"Inner"})), QStringList({"x.txt"}));
    EXPECT_EQ(Names(ListJson({"/Work/Inner"})), QStringList({"x.txt"}));

    const CliResult missing = Run({"ls", "Gone"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(Reported(missing.err, FormatStr(IDS_FOLDER_NOT_FOUND, "\\Work\\Gone")));
}

TEST_F(CliListingTest, AttribShowsAndChangesBitsButNotRomFiles) {
    device().Make({"\\D\\a.txt=a", "\\D\\rom.bin=r"});
    device().SetRawAttributes("\\D\\rom.bin", Attr::kInRom);
    ASSERT_EQ(Run({"attrib", "+r", "+h", "-a", "\\D\\a.txt"}).code, 0);
    EXPECT_EQ(Attributes("\\D\\a.txt"), Attr::kReadOnly | Attr::kHidden);
    const CliResult shown = Run({"attrib", "\\D\\a.txt"});
    EXPECT_EQ(shown.code, 0);
    EXPECT_EQ(shown.out, "HR  \\D\\a.txt\n");
    ASSERT_EQ(Run({"attrib", "-R", "-h", "+s", "\\D\\a.txt"}).code, 0);
    EXPECT_EQ(Attributes("\\D\\a.txt"), Attr::kSystem);

    const CliResult rom = Run({"attrib", "+h", "\\D\\rom.bin", "\\D\\none.txt"});
    EXPECT_EQ(rom.code, 1);
    EXPECT_EQ(Attributes("\\D\\rom.bin"), Attr::kInRom);
    EXPECT_TRUE(rom.err.contains("\\D\\rom.bin"));
    EXPECT_TRUE(Reported(rom.err, FormatStr(IDS_FILE_NOT_FOUND, "\\D\\none.txt")));
}

// Commands that only read leave a fresh device as it was (no bin, favourites or standard
// folders), and take host paths and file:// URIs inside the device for its paths.
TEST_F(CliListingTest, ReadersCreateNothingAndTakeHostPaths) {
    device().Make({"\\D\\a.txt=hello"});
    const QStringList before = device().Snapshot();
    const QString host = device().HostRoot() + "/D/a.txt";
    const QList<QStringList> readers = {
        {"ls", "-a", "\\"}, {"find", "\\", "*.txt"}, {"dump", host}, {"info", "--json"},
        {"bin", "list"},    {"bin", "where"},        {"fav", "list"},
        {"dump", QUrl::fromLocalFile(host).toString()},
    };
    for (const QStringList& args : readers) {
        const CliResult result = Run(args);
        EXPECT_EQ(result.code, 0) << args.join(' ').toStdString() << result.err.toStdString();
    }
    EXPECT_EQ(device().Snapshot(), before);
    EXPECT_EQ(Names(ListJson({device().HostRoot() + "/D"})), QStringList({"a.txt"}));
    // Nor do they leave a bin path behind that the first deletion would find damaged.
    EXPECT_EQ(Run({"rm", "\\D\\a.txt"}).err, "");
}
