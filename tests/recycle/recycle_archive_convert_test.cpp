#include <gtest/gtest.h>

#include "recycle/recycle_archive_convert.h"
#include "recycle/recycle_archive_entries.h"
#include "recycle/recycle_archive_extract.h"
#include "resources/ids.h"
#include "support/recording_prompt.h"
#include "support/temp_device.h"

TEST(CompressRecycleBin, PacksOldItemsUnderTheirOriginalPaths) {
    TempDevice dev;
    DeviceFs& fs = dev.fs();
    dev.Make({"\\~Recycle\\report.txt=old file", "\\~Recycle\\Docs\\a.txt=a",
              "\\~Recycle\\Docs\\empty\\", "\\~Recycle\\x=second", "\\~Recycle\\x.nzc=keep"});
    QList<OldBinItem> items = {
        {"\\~Recycle\\report.txt", "\\My Documents\\report.txt", {}},
        {"\\~Recycle\\Docs", "\\Work\\Docs", {}},
        {"\\~Recycle\\x", "\\x", {}},
        {"\\~Recycle\\missing", "\\missing", {}},
    };
    RecordingPrompt prompt;
    EXPECT_EQ(CompressRecycleBin(fs, prompt, items), 3);
    ASSERT_EQ(prompt.MessageIds(), QList<int>{IDS_COMPRESS_RECYCLE_BIN});

    EXPECT_EQ(items[0].archivePath, "\\~Recycle\\report.txt.nzc");
    EXPECT_EQ(items[1].archivePath, "\\~Recycle\\Docs.nzc");
    // A taken name belongs to another item: it is numbered, not overwritten.
    EXPECT_EQ(items[2].archivePath, "\\~Recycle\\x(2).nzc");
    EXPECT_TRUE(items[3].archivePath.isEmpty());
    EXPECT_EQ(dev.Read("\\~Recycle\\x.nzc"), QByteArray("keep"));
    EXPECT_EQ(dev.List("\\~Recycle"),
              QStringList({"Docs.nzc", "report.txt.nzc", "x(2).nzc", "x.nzc"}));

    const ArchiveListing docs = ReadArchiveEntries(fs, items[1].archivePath);
    ASSERT_EQ(docs.entries.size(), 3);  // the folder, its file and its empty folder
    for (const QString& archive : {items[0].archivePath, items[1].archivePath}) {
        EXPECT_TRUE(ExtractArchive(fs, archive).Complete());
    }
    EXPECT_EQ(dev.Read("\\My Documents\\report.txt"), QByteArray("old file"));
    EXPECT_EQ(dev.Read("\\Work\\Docs\\a.txt"), QByteArray("a"));
    EXPECT_TRUE(dev.Exists("\\Work\\Docs\\empty"));

    QList<OldBinItem> nothing;
    EXPECT_EQ(CompressRecycleBin(fs, prompt, nothing), 0);
    EXPECT_EQ(prompt.messages.size(), 1);
}
