#include <gtest/gtest.h>

#include "app/path_helpers.h"
#include "app/progress.h"
#include "platform/faulty_device_fs.h"
#include "support/temp_device.h"
#include "support/utf16_bytes.h"
#include "tools/find_content_matcher.h"
#include "tools/find_files.h"

namespace {

int Depth(const QString& folder) {
    return int(folder.count(QLatin1Char('\\')));
}

struct Outcome {
    QStringList found;    // full paths in the order reported
    QStringList folders;  // in the order started
    qint64 count = 0;
};

Outcome Search(DeviceFs& fs, const QString& folder, const QString& pattern, const QString& text) {
    Outcome out;
    FileSearch search(fs, folder, pattern, text);
    search.OnFolder([&](const QString& f) { out.folders.append(f); });
    search.OnFound([&](const FoundFile& file) { out.found.append(file.Path()); });
    out.count = search.Run();
    EXPECT_EQ(out.count, out.found.size());
    EXPECT_FALSE(search.Stopped());
    return out;
}

class FileSearchTest : public ::testing::Test {
protected:
    bool Holds(const QString& path, const QString& text) {
        ContentMatcher matcher(text);
        return matcher.FileContains(device.fs(), path);
    }
    TempDevice device;
};

TEST_F(FileSearchTest, EmptyTextListsEveryMatchingFileDeepestFirst) {
    device.Make({"\\S\\top.txt=hello", "\\S\\empty.txt", "\\S\\locked.txt=secret",
                 "\\S\\skip.bin=x", "\\S\\named.txt\\", "\\S\\a\\one.txt=1", "\\S\\b\\two.txt",
                 "\\S\\a\\deep\\three.TXT=3", "\\S\\.private\\hidden.txt=4"});
    FaultyDeviceFs fs(device.fs());
    fs.FailWhen([](FaultyDeviceFs::Op op, const QString& path) {
        return op == FaultyDeviceFs::Op::OpenForRead && path.endsWith(QLatin1String("locked.txt"));
    });

    Outcome all = Search(fs, QStringLiteral("\\S"), QStringLiteral("*.txt"), QString());
    // The folder named like the pattern, the other extension and the dot folder stay out.
    QStringList sorted = all.found;
    sorted.sort();
    EXPECT_EQ(sorted, QStringList({"\\S\\a\\deep\\three.TXT", "\\S\\a\\one.txt", "\\S\\b\\two.txt",
                                   "\\S\\empty.txt", "\\S\\locked.txt", "\\S\\top.txt"}));
    EXPECT_EQ(all.found.first(), "\\S\\a\\deep\\three.TXT");
    for (qsizetype i = 1; i < all.found.size(); ++i)
        EXPECT_GE(Depth(all.found[i - 1]), Depth(all.found[i])) << all.found[i];
    // Folders are announced deepest first, ending with the chosen folder.
    ASSERT_EQ(all.folders.size(), 5);
    EXPECT_EQ(all.folders.first(), "\\S\\a\\deep");
    EXPECT_EQ(all.folders.last(), "\\S");

    // With a text the unreadable and the empty file are no results.
    Outcome text = Search(fs, QStringLiteral("\\S"), QStringLiteral("*.txt"), QStringLiteral("E"));
    EXPECT_EQ(text.found, QStringList({"\\S\\top.txt"}));
}

TEST_F(FileSearchTest, ContentIgnoresCaseInUtf16AndUtf8) {
    const QByteArray bom = "\xff\xfe";
    device.File(QStringLiteral("\\u16.txt"), bom + Utf16(QStringLiteral("say hello world")));
    device.File(QStringLiteral("\\u8.txt"), "say hello world");
    device.File(QStringLiteral("\\other.txt"), "say hello there");
    device.File(QStringLiteral("\\umlaut16.txt"), Utf16(QStringLiteral("xx äöü xx")));
    device.File(QStringLiteral("\\umlaut8.txt"), QStringLiteral("xx äöü xx").toUtf8());
    device.File(QStringLiteral("\\cjk16.txt"), Utf16(QStringLiteral("這是檔案總管")));
    device.File(QStringLiteral("\\cjk8.txt"), QStringLiteral("這是檔案總管").toUtf8());

    for (const char* path : {"\\u16.txt", "\\u8.txt"}) {
        EXPECT_TRUE(Holds(path, QStringLiteral("WORLD"))) << path;
        EXPECT_TRUE(Holds(path, QStringLiteral("Hello W"))) << path;
        EXPECT_FALSE(Holds(path, QStringLiteral("worlds"))) << path;
    }
    EXPECT_FALSE(Holds(QStringLiteral("\\other.txt"), QStringLiteral("world")));
    // Small letters find capitals too.
    device.File(QStringLiteral("\\caps16.txt"), Utf16(QStringLiteral("SAY HeLLo WORLD")));
    device.File(QStringLiteral("\\caps8.txt"), "SAY HeLLo WORLD");
    for (const char* path : {"\\caps16.txt", "\\caps8.txt"}) {
        EXPECT_TRUE(Holds(path, QStringLiteral("hello world"))) << path;
    }
    for (const char* path : {"\\umlaut16.txt", "\\umlaut8.txt"}) {
        EXPECT_TRUE(Holds(path, QStringLiteral("ÄÖÜ"))) << path;
        EXPECT_FALSE(Holds(path, QStringLiteral("AOU"))) << path;
    }
    for (const char* path : {"\\cjk16.txt", "\\cjk8.txt"}) {
        EXPECT_TRUE(Holds(path, QStringLiteral("檔案"))) << path;
        EXPECT_TRUE(Holds(path, QStringLiteral("是檔案總"))) << path;
        EXPECT_FALSE(Holds(path, QStringLiteral("檔名"))) << path;
    }
    EXPECT_FALSE(Holds(QStringLiteral("\\missing.txt"), QStringLiteral("x")));
}

TEST_F(FileSearchTest, Utf16UnitsMustBeWholeAndAligned) {
    // "ab" as UTF-16 starting at an odd offset is not a unit sequence of the file.
    device.File(QStringLiteral("\\odd.bin"), "x" + Utf16(QStringLiteral("ab")) + "y");
    EXPECT_FALSE(Holds(QStringLiteral("\\odd.bin"), QStringLiteral("ab")));
    // An odd final byte is never a unit; as UTF-8 the last byte still counts.
    device.File(QStringLiteral("\\cut.bin"), Utf16(QStringLiteral("ab")).chopped(1));
    EXPECT_FALSE(Holds(QStringLiteral("\\cut.bin"), QStringLiteral("ab")));
    device.File(QStringLiteral("\\tail.txt"), "xab");
    EXPECT_TRUE(Holds(QStringLiteral("\\tail.txt"), QStringLiteral("AB")));
}

TEST_F(FileSearchTest, TextAcrossChunkBordersIsFound) {
    const qint64 border = ContentMatcher::kChunkBytes;
    const QString word = QStringLiteral("Needle");
    QByteArray u16 = QByteArray(border - 4, 'x') + Utf16(QStringLiteral("needle"));
    u16 += QByteArray(1000, 'x');
    device.File(QStringLiteral("\\u16.bin"), u16);
    QByteArray u8 = QByteArray(border - 3, 'x') + "nEEdle" + QByteArray(1000, 'x');
    device.File(QStringLiteral("\\u8.bin"), u8);
    QByteArray cjk = QByteArray(border - 4, 'x') + QStringLiteral("檔案").toUtf8() + "x";
    device.File(QStringLiteral("\\cjk.bin"), cjk);
    // Far along a file of many chunks, and at its very end.
    QByteArray far = QByteArray(5 * border + 77, 'y') + "needle";
    device.File(QStringLiteral("\\far.bin"), far);

    EXPECT_TRUE(Holds(QStringLiteral("\\u16.bin"), word));
    EXPECT_TRUE(Holds(QStringLiteral("\\u8.bin"), word));
    EXPECT_TRUE(Holds(QStringLiteral("\\cjk.bin"), QStringLiteral("檔案")));
    EXPECT_TRUE(Holds(QStringLiteral("\\far.bin"), word));
    EXPECT_FALSE(Holds(QStringLiteral("\\far.bin"), QStringLiteral("needles")));

    // A text longer than a chunk is still compared whole.
    const QString longText(40000, QLatin1Char('q'));
    device.File(QStringLiteral("\\long.txt"), "a" + longText.toUtf8() + "b");
    EXPECT_TRUE(Holds(QStringLiteral("\\long.txt"), longText));
    EXPECT_FALSE(Holds(QStringLiteral("\\long.txt"), longText + QLatin1Char('q')));
}

class CancelAfter : public Progress {
public:
    explicit CancelAfter(int updates) : left_(updates) {}
    bool Update(const ProgressState&) override { return --left_ > 0; }

private:
    int left_;
};

TEST_F(FileSearchTest, StoppingKeepsTheResultsSoFar) {
    device.Make({"\\S\\a.txt=match", "\\S\\b.txt=match", "\\S\\c.txt=match"});
    FileSearch byCallback(device.fs(), QStringLiteral("\\S"), QStringLiteral("*.txt"), {});
    byCallback.OnFound([&](const FoundFile&) { byCallback.Stop(); });
    EXPECT_EQ(byCallback.Run(), 1);
    EXPECT_TRUE(byCallback.Stopped());

    // The sink is asked for the folder, then before each file read.
    FileSearch bySink(device.fs(), QStringLiteral("\\S"), QStringLiteral("*.txt"),
                      QStringLiteral("match"));
    CancelAfter sink(3);
    EXPECT_EQ(bySink.Run(&sink), 1);
    EXPECT_TRUE(bySink.Stopped());

    // A file of many chunks reports while it is read, so a stop does not wait for its end.
    device.File(QStringLiteral("\\T\\big.bin"), QByteArray(80 * ContentMatcher::kChunkBytes, 'z'));
    FileSearch big(device.fs(), QStringLiteral("\\T"), QStringLiteral("*.*"), QStringLiteral("q"));
    CancelAfter three(3);
    EXPECT_EQ(big.Run(&three), 0);
    EXPECT_TRUE(big.Stopped());
}

}  // namespace
