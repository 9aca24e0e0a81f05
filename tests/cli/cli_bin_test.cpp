#include <QJsonObject>

#include "app/message.h"
#include "cli/cli_test_fixture.h"
#include "platform/device_fs.h"
#include "resources/ids.h"

// bin: one run of each subcommand over the document's bin; the bin's rules are core tests.
class CliBinTest : public CliTest {};

TEST_F(CliBinTest, PutListRestoreEraseAndPurge) {
    device().Make({"\\A\\a.txt=first", "\\A\\b.txt#1500", "\\A\\F\\x.txt=x"});
    ASSERT_EQ(Run({"bin", "put", "\\A\\a.txt", "\\A\\b.txt"}).code, 0);
    ASSERT_EQ(Run({"rm", "\\A\\F"}).code, 0);
    QJsonArray entries = Json({"bin", "list", "--json"});
    ASSERT_EQ(entries.size(), 3);
    QJsonObject second = entries[1].toObject();
    const QDateTime deleted = QDateTime::fromString(second.take("deleted").toString(), Qt::ISODate);
    EXPECT_LT(qAbs(deleted.secsTo(QDateTime::currentDateTime())), 120);
    EXPECT_EQ(second, QJsonObject({{"index", 1}, {"name", "b.txt"}, {"original", "\\A\\b.txt"},
                                   {"archive", "\\~Recycle\\b.txt.nzc"}, {"size", 1500},
                                   {"attributes", int(Attr::kArchive)}}));
    EXPECT_TRUE(Run({"bin", "list"}).out.contains("\\A\\F\n"));
    EXPECT_EQ(Run({"bin", "where"}).out, "\\~Recycle\n");

    // A restore over an existing file asks; without an answer it fails and keeps the row.
    device().Make({"\\A\\a.txt=second"});
    const CliResult safe = Run({"bin", "restore", "0", "2"});
    EXPECT_EQ(safe.code, 1);
    EXPECT_TRUE(Reported(safe.err, FormatStr(IDS_FILE_EXISTS, "a.txt")));
    EXPECT_EQ(device().Read("\\A\\F\\x.txt"), "x");  // the other row went ahead
    EXPECT_EQ(Run({"bin", "restore", "--yes", "0"}).code, 0);
    EXPECT_EQ(device().Read("\\A\\a.txt"), "first");
    EXPECT_EQ(Run({"bin", "restore", "5"}).code, 1);

    ASSERT_EQ(Run({"rm", "\\A\\a.txt"}).code, 0);
    EXPECT_EQ(Run({"bin", "erase", "1"}).code, 0);  // a.txt, put in after b.txt
    EXPECT_FALSE(device().Exists("\\~Recycle\\a.txt.nzc"));

    // Which entries a purge removes is a core rule; here it runs and succeeds.
    EXPECT_EQ(Run({"bin", "purge", "--force"}).code, 0);
    EXPECT_EQ(Run({"bin", "move", "Other Card"}).code, 1);
}
