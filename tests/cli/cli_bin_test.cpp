#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/message.h"
#include "app/system_file.h"
#include "cli/cli_test_fixture.h"
#include "platform/device_fs.h"
#include "recycle/recycle_index.h"
#include "resources/ids.h"

// bin: the recycle-bin dialog's operations over the document's bin.
class CliBinTest : public CliTest {
protected:
    QJsonArray Entries() {
        const CliResult result = Run({"bin", "list", "--json"});
        EXPECT_EQ(result.code, 0) << result.err.toStdString();
        return QJsonDocument::fromJson(result.out.toUtf8()).array();
    }
};

TEST_F(CliBinTest, ListShowsWhatWasPutIn) {
    device().Make({"\\A\\report.txt#1500", "\\B\\report.txt=x", "\\C\\F\\g.txt=g"});
    ASSERT_EQ(Run({"bin", "put", "\\A\\report.txt", "\\B\\report.txt", "\\C\\F"}).code, 0);
    const QJsonArray entries = Entries();
    ASSERT_EQ(entries.size(), 3);
    const QJsonObject first = entries[0].toObject();
    EXPECT_EQ(first.value("index").toInt(), 0);
    EXPECT_EQ(first.value("name").toString(), "report.txt");
    EXPECT_EQ(first.value("original").toString(), "\\A\\report.txt");
    EXPECT_EQ(first.value("archive").toString(), "\\~Recycle\\report.txt.nzc");
    EXPECT_EQ(first.value("size").toInteger(), 1500);
    EXPECT_EQ(first.value("attributes").toInt(), int(Attr::kArchive));
    const QString deletedText = first.value("deleted").toString();
    const QDateTime deleted = QDateTime::fromString(deletedText, Qt::ISODate);
    EXPECT_LT(qAbs(deleted.secsTo(QDateTime::currentDateTime())), 120);
    EXPECT_EQ(entries[1].toObject().value("archive").toString(), "\\~Recycle\\report.txt(2).nzc");
    EXPECT_EQ(entries[2].toObject().value("attributes").toInt() & Attr::kDirectory,
              int(Attr::kDirectory));

    const CliResult plain = Run({"bin", "list"});
    EXPECT_TRUE(plain.out.contains("\\C\\F\n")) << plain.out.toStdString();
    EXPECT_EQ(Run({"bin", "where"}).out, "\\~Recycle\n");
}

TEST_F(CliBinTest, RestoreBringsItemsBackAndAsksBeforeReplacing) {
    device().Make({"\\A\\a.txt=first", "\\A\\F\\deep\\x.txt=x"});
    ASSERT_EQ(Run({"rm", "\\A\\a.txt", "\\A\\F"}).code, 0);
    device().Make({"\\A\\a.txt=second"});

    const CliResult safe = Run({"bin", "restore", "0", "1"});
    EXPECT_EQ(safe.code, 1);
    EXPECT_TRUE(Reported(safe.err, FormatStr(IDS_FILE_EXISTS, "a.txt")));
    EXPECT_EQ(device().Read("\\A\\a.txt"), "second");
    EXPECT_EQ(device().Read("\\A\\F\\deep\\x.txt"), "x");  // the other row went ahead
    EXPECT_EQ(Entries().size(), 1);

    EXPECT_EQ(Run({"bin", "restore", "--no", "0"}).code, 0);
    EXPECT_EQ(device().Read("\\A\\a.txt"), "second");
    EXPECT_EQ(Run({"bin", "restore", "--yes", "0"}).code, 0);
    EXPECT_EQ(device().Read("\\A\\a.txt"), "first");
    EXPECT_EQ(Entries().size(), 0);
    EXPECT_FALSE(device().Exists("\\~Recycle\\a.txt.nzc"));
}

TEST_F(CliBinTest, EraseAndVanishedEntries) {
    device().Make({"\\A\\a.txt=a", "\\A\\b.txt=b", "\\A\\c.txt=c"});
    ASSERT_EQ(Run({"rm", "\\A\\a.txt", "\\A\\b.txt", "\\A\\c.txt"}).code, 0);
    EXPECT_EQ(Run({"bin", "erase", "1"}).code, 0);
    EXPECT_FALSE(device().Exists("\\~Recycle\\b.txt.nzc"));

    // An archive deleted by hand leaves the list; its position names nothing any more.
    ASSERT_TRUE(device().fs().DeleteFile("\\~Recycle\\c.txt.nzc"));
    const QJsonArray entries = Entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].toObject().value("name").toString(), "a.txt");
    const CliResult vanished = Run({"bin", "restore", "1"});
    EXPECT_EQ(vanished.code, 1);
    EXPECT_TRUE(vanished.err.contains(" 1"));
    EXPECT_FALSE(device().Exists("\\A\\c.txt"));
    EXPECT_FALSE(device().Exists("\\A\\a.txt"));
}

// What only partly happened says so and fails; the bin folder itself is never deleted.
TEST_F(CliBinTest, APartialPutAndARefusedDeleteSayWhatHappenedAndFail) {
    device().Make({"\\D\\a.txt=a", "\\D\\rom.bin=r"});
    device().SetRawAttributes("\\D\\rom.bin", Attr::kInRom);
    const CliResult partial = Run({"bin", "put", "\\D"});
    EXPECT_EQ(partial.code, 1);
    EXPECT_TRUE(partial.err.contains("\\D\\rom.bin")) << partial.err.toStdString();
    EXPECT_FALSE(partial.err.contains("cannot delete")) << partial.err.toStdString();
    EXPECT_EQ(Entries().size(), 1);
    const CliResult refused = Run({"rm", "--purge", "\\~Recycle"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains(
        FormatStr(IDS_CANNOT_DELETE_PROTECTED, "\\~Recycle").section('\n', 0, 0)))
        << refused.err.toStdString();
    EXPECT_EQ(Entries().size(), 1);
}

TEST_F(CliBinTest, PurgeRemovesExpiredEntries) {
    device().Make({"\\A\\old.txt=o", "\\A\\new.txt=n"});
    ASSERT_EQ(Run({"rm", "\\A\\old.txt", "\\A\\new.txt"}).code, 0);
    // Back-date the first entry by ten days in the index.
    const std::optional<QByteArray> data =
        ReadWholeFile(device().fs(), "\\~Recycle\\~Recycle.bin", kRecycleIndexMaxBytes);
    ASSERT_TRUE(data);
    RecycleIndexContent index = DecodeRecycleIndex(*data);
    ASSERT_EQ(index.entries.size(), 2);
    index.entries[0].deleteTime =
        LocalTimeRecord::FromDateTime(QDateTime::currentDateTime().addDays(-10));
    ASSERT_TRUE(ReplaceWholeFile(device().fs(), "\\~Recycle\\~Recycle.bin",
                                 *EncodeRecycleIndex(index.entries)));

    SetInt(IDS_SECTION_RECYCLEBIN, IDS_KEY_LIFETIME, 2);  // one week
    EXPECT_EQ(Run({"bin", "purge", "--force"}).code, 0);
    const QJsonArray entries = Entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].toObject().value("name").toString(), "new.txt");
    EXPECT_FALSE(device().Exists("\\~Recycle\\old.txt.nzc"));
}

class CliBinCardTest : public CliCardTest {};

TEST_F(CliBinCardTest, MoveTakesTheArchivesToACardAndBack) {
    device().Make({"\\A\\a.txt=a"});
    SetInt(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_POS, 0);
    ASSERT_EQ(Run({"rm", "\\A\\a.txt"}).code, 0);

    ASSERT_EQ(Run({"bin", "move", "storage card"}).code, 0);
    EXPECT_EQ(Settings()->GetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD), "Storage Card");
    EXPECT_EQ(Run({"bin", "where"}).out, "\\Storage Card\\~Recycle\n");
    EXPECT_TRUE(device().Exists("\\Storage Card\\~Recycle\\a.txt.nzc"));
    EXPECT_TRUE(device().Exists("\\Storage Card\\~Recycle\\~Recycle.bin"));
    EXPECT_EQ(Run({"bin", "restore", "0"}).code, 0);
    EXPECT_EQ(device().Read("\\A\\a.txt"), "a");

    ASSERT_EQ(Run({"rm", "\\A\\a.txt"}).code, 0);
    ASSERT_EQ(Run({"bin", "move", "main"}).code, 0);
    EXPECT_EQ(Settings()->GetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD), "\\");
    EXPECT_TRUE(device().Exists("\\~Recycle\\a.txt.nzc"));

    const CliResult noCard = Run({"bin", "move", "Other Card"});
    EXPECT_EQ(noCard.code, 1);
    EXPECT_EQ(Run({"bin", "where"}).out, "\\~Recycle\n");
}
