#include <gtest/gtest.h>

#include "browse/properties_summary.h"
#include "platform/device_fs.h"
#include "support/temp_device.h"

TEST(PropertiesSummary, SizeTextsAtTheirBorders) {
    EXPECT_EQ(PropertiesSizeText(1536), " 1.5KB (1536 位元組)");
    EXPECT_EQ(PropertiesSizeText(1048576), "1024.0KB (1048576 位元組)");
    EXPECT_EQ(PropertiesSizeText(1048577), " 1.0MB (1048577 位元組)");
    EXPECT_EQ(PropertiesSizeText(1023), "1023 位元組");
    EXPECT_EQ(PropertiesSizeText(0), "0 位元組");
    // Beyond 4 GiB the exact count stays exact.
    EXPECT_EQ(PropertiesSizeText(5368709120ULL), "5120.0MB (5368709120 位元組)");
    EXPECT_EQ(PropertiesContentsText(3, 1), "3 個檔案, 1 個資料匣");
}

TEST(PropertiesSummary, CountsFoldersByTheirContentsAndMarksMixedAttributes) {
    TempDevice dev;
    dev.Make({"\\F\\a.txt#100", "\\F\\G\\b.txt#28", "\\r.txt#10", "\\w.txt#5"});
    dev.SetRawAttributes("\\r.txt", Attr::kReadOnly | Attr::kArchive);
    dev.SetRawAttributes("\\w.txt", Attr::kArchive);

    // Files, folders, bytes and whether a folder is among the items.
    auto counts = [&](const QStringList& paths, bool root = false) {
        const PropertiesSummary s = SummarizeItems(dev.fs(), paths, root);
        return std::tuple{s.files, s.folders, s.bytes, s.hasFolder};
    };
    using Counts = std::tuple<quint64, quint64, quint64, bool>;
    EXPECT_EQ(counts({"\\F"}), Counts(2, 1, 128, true));  // the folder itself is not counted
    EXPECT_EQ(counts({"\\r.txt", "\\w.txt", "\\gone"}), Counts(2, 0, 15, false));
    // Several items with a folder: the folder counts as one more.
    EXPECT_EQ(counts({"\\F", "\\r.txt"}), Counts(3, 2, 138, true));
    EXPECT_EQ(counts({"\\"}, true), Counts(4, 2, 143, true));

    const PropertiesSummary files = SummarizeItems(dev.fs(), {"\\r.txt", "\\w.txt"}, false);
    EXPECT_EQ(files.firstPath, "\\r.txt");
    EXPECT_EQ(files.states,
              (std::array<int, 4>{PropertiesSummary::kMixed, PropertiesSummary::kClear,
                                  PropertiesSummary::kSet, PropertiesSummary::kClear}));
}

TEST(PropertiesSummary, ApplyingBoxesTouchesOnlyWhatTheyDecide) {
    TempDevice dev;
    dev.Make({"\\r.txt=r", "\\w.txt=w", "\\rom.txt=o"});
    dev.SetRawAttributes("\\r.txt", Attr::kReadOnly | Attr::kArchive);
    dev.SetRawAttributes("\\w.txt", Attr::kArchive);
    dev.SetRawAttributes("\\rom.txt", Attr::kInRom);
    using S = PropertiesSummary;
    // Read-only mixed, hidden set: each file keeps its read-only bit.
    const std::array<int, 4> boxes = {S::kMixed, S::kSet, S::kSet, S::kClear};
    for (const char* path : {"\\r.txt", "\\w.txt"})
        ASSERT_TRUE(ApplyAttributes(dev.fs(), path, boxes));
    EXPECT_EQ(*dev.fs().GetAttributes("\\r.txt") & 0x27u,
              Attr::kReadOnly | Attr::kHidden | Attr::kArchive);
    EXPECT_EQ(*dev.fs().GetAttributes("\\w.txt") & 0x27u, Attr::kHidden | Attr::kArchive);

    EXPECT_FALSE(ApplyAttributes(dev.fs(), "\\rom.txt", boxes));
    EXPECT_FALSE(ApplyAttributes(dev.fs(), "\\missing.txt", boxes));
}
