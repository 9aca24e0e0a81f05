#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/message.h"
#include "cli/cli_test_fixture.h"
#include "platform/device_fs.h"
#include "platform/file_time.h"
#include "resources/ids.h"

// ls and attrib: the listing model's rows and the attribute bits, as the explorer has them.
class CliListingTest : public CliTest {
protected:
    QJsonArray ListJson(const QStringList& arguments) {
        const CliResult result = Run(QStringList{"ls", "--json"} + arguments);
        EXPECT_EQ(result.code, 0) << result.err.toStdString();
        return QJsonDocument::fromJson(result.out.toUtf8()).array();
    }
    static QStringList Names(const QJsonArray& rows) {
        QStringList names;
        for (const QJsonValue& row : rows)
            names.append(row.toObject().value("name").toString());
        return names;
    }
};

TEST_F(CliListingTest, JsonRowsCarryTheListingFieldsAndHideRulesApplyUnlessAll) {
    device().Make({"\\D\\Sub\\", "\\D\\big.txt#3000", "\\D\\secret.txt=x"});
    device().SetRawAttributes("\\D\\secret.txt", Attr::kHidden);
    const FileTime written = FileTimeFromDateTime(QDateTime(QDate(2024, 2, 29), QTime(8, 5, 6)));
    ASSERT_TRUE(device().fs().SetTimes("\\D\\big.txt", nullptr, nullptr, &written));
    const QJsonArray rows = ListJson({"\\D"});
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].toObject().value("folder").toBool());
    const QJsonObject file = rows[1].toObject();
    EXPECT_EQ(file.value("name").toString(), "big.txt");
    EXPECT_FALSE(file.value("folder").toBool());
    EXPECT_EQ(file.value("size").toInteger(), 3000);
    EXPECT_EQ(file.value("written").toString(), "2024-02-29T08:05:06");  // TZ=Asia/Taipei
    EXPECT_FALSE(file.value("type").toString().isEmpty());
    EXPECT_EQ(file.value("attributes").toInt(), int(Attr::kArchive));
    EXPECT_EQ(Names(ListJson({"-a", "\\D"})), QStringList({"Sub", "big.txt", "secret.txt"}));
    EXPECT_TRUE(Run({"ls", "\\D"}).out.contains("big.txt  2K"));
}

TEST_F(CliListingTest, RelativePathsStartAtTheExplorersLastFolder) {
    device().Make({"\\Work\\Inner\\x.txt=x"});
    SetText(IDS_SECTION_MAIN, IDS_KEY_WORK_DIRECTORY, "\\Work");
    EXPECT_EQ(Names(ListJson({"Inner"})), QStringList({"x.txt"}));
    EXPECT_EQ(Names(ListJson({"/Work/Inner"})), QStringList({"x.txt"}));
    const CliResult missing = Run({"ls", "Gone"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(Reported(missing.err, FormatStr(IDS_FOLDER_NOT_FOUND, "\\Work\\Gone")));
}

// A change that did not happen fails the run and is named; the others still happen.
TEST_F(CliListingTest, AttribShowsAndChangesBitsButNotRomFiles) {
    device().Make({"\\D\\a.txt=a", "\\D\\rom.bin=r"});
    device().SetRawAttributes("\\D\\rom.bin", Attr::kInRom);
    ASSERT_EQ(Run({"attrib", "+r", "+h", "-a", "\\D\\a.txt"}).code, 0);
    EXPECT_EQ(Attributes("\\D\\a.txt"), Attr::kReadOnly | Attr::kHidden);
    EXPECT_EQ(Run({"attrib", "\\D\\a.txt"}).out, "HR  \\D\\a.txt\n");
    const CliResult rom = Run({"attrib", "-R", "-h", "+s", "\\D\\rom.bin", "\\D\\a.txt"});
    EXPECT_EQ(rom.code, 1);
    EXPECT_EQ(Attributes("\\D\\rom.bin"), Attr::kInRom);
    EXPECT_EQ(Attributes("\\D\\a.txt"), Attr::kSystem);
    EXPECT_TRUE(Reported(rom.err, FormatStr(IDS_CANNOT_SET_ATTRIBUTES, "\\D\\rom.bin")));
    EXPECT_FALSE(Reported(rom.err, FormatStr(IDS_CANNOT_SET_ATTRIBUTES, "\\D\\a.txt")));
}
