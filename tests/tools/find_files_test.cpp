#include <gtest/gtest.h>

#include "support/faulty_device_fs.h"
#include "support/scripted_progress.h"
#include "support/temp_device.h"
#include "support/utf16_bytes.h"
#include "tools/find_content_matcher.h"
#include "tools/find_files.h"

namespace {

struct Outcome {
    QStringList found;    // full paths in the order reported
    QStringList folders;  // in the order started
};

Outcome Search(DeviceFs& fs, const QString& folder, const QString& pattern, const QString& text) {
    Outcome out;
    FileSearch search(fs, folder, pattern, text);
    search.OnFolder([&](const QString& f) { out.folders.append(f); });
    search.OnFound([&](const FoundFile& file) { out.found.append(file.Path()); });
    const qint64 count = search.Run();
    EXPECT_EQ(count, out.found.size());
    EXPECT_FALSE(search.Stopped());
    return out;
}

TEST(FileSearch, EmptyTextListsEveryMatchingFileDeepestFirst) {
    TempDevice device;
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
    for (qsizetype i = 1; i < all.found.size(); ++i)
        EXPECT_GE(all.found[i - 1].count('\\'), all.found[i].count('\\')) << all.found[i];
    // Folders are announced deepest first, ending with the chosen folder.
    ASSERT_EQ(all.folders.size(), 5);
    EXPECT_EQ(all.folders.first(), "\\S\\a\\deep");
    EXPECT_EQ(all.folders.last(), "\\S");

    // With a text the unreadable and the empty file are no results.
    Outcome text = Search(fs, QStringLiteral("\\S"), QStringLiteral("*.txt"), QStringLiteral("E"));
    EXPECT_EQ(text.found, QStringList({"\\S\\top.txt"}));
}

// One row per file content and text: found or not, in UTF-16LE and UTF-8 alike, ignoring
// case, across chunk borders, with UTF-16 units whole and aligned.
TEST(ContentMatcher, FindsTheTextInEitherEncodingIgnoringCase) {
    const qint64 border = ContentMatcher::kChunkBytes;
    const QString longText(40000, QLatin1Char('q'));
    const struct Row {
        QByteArray content;
        QString text;
        bool found;
    } rows[] = {
        {"\xff\xfe" + Utf16("say hello world"), "WORLD", true},
        {"say hello world", "Hello W", true},
        {Utf16("say hello world"), "worlds", false},
        {"say hello there", "world", false},
        {Utf16("SAY HeLLo WORLD"), "hello world", true},
        {"SAY HeLLo WORLD", "hello world", true},
        {Utf16("xx äöü xx"), "ÄÖÜ", true},
        {QStringLiteral("xx äöü xx").toUtf8(), "ÄÖÜ", true},
        {QStringLiteral("xx äöü xx").toUtf8(), "AOU", false},
        {Utf16("這是檔案總管"), "是檔案總", true},
        {QStringLiteral("這是檔案總管").toUtf8(), "檔案", true},
        {QStringLiteral("這是檔案總管").toUtf8(), "檔名", false},
        // "ab" as UTF-16 at an odd offset, or cut short, is no unit sequence of the file.
        {"x" + Utf16("ab") + "y", "ab", false},
        {Utf16("ab").chopped(1), "ab", false},
        {"xab", "AB", true},
        {QByteArray(border - 4, 'x') + Utf16("needle") + QByteArray(1000, 'x'), "Needle", true},
        {QByteArray(border - 3, 'x') + "nEEdle" + QByteArray(1000, 'x'), "Needle", true},
        {QByteArray(border - 4, 'x') + QStringLiteral("檔案").toUtf8() + "x", "檔案", true},
        {QByteArray(5 * border + 77, 'y') + "needle", "needle", true},
        {QByteArray(5 * border + 77, 'y') + "needle", "needles", false},
        // A text longer than a chunk is still compared whole.
        {"a" + longText.toUtf8() + "b", longText, true},
        {"a" + longText.toUtf8() + "b", longText + 'q', false},
    };
    TempDevice device;
    for (const Row& row : rows) {
        device.File(QStringLiteral("\\f.bin"), row.content);
        EXPECT_EQ(ContentMatcher(row.text).FileContains(device.fs(), QStringLiteral("\\f.bin")),
                  row.found)
            << row.text.left(20) << " in " << row.content.left(40).toHex().toStdString();
    }
    EXPECT_FALSE(ContentMatcher("x").FileContains(device.fs(), QStringLiteral("\\missing.txt")));
}

TEST(FileSearch, StoppingKeepsTheResultsSoFar) {
    TempDevice device;
    device.Make({"\\S\\a.txt=match", "\\S\\b.txt=match", "\\S\\c.txt=match"});
    FileSearch byCallback(device.fs(), QStringLiteral("\\S"), QStringLiteral("*.txt"), {});
    byCallback.OnFound([&](const FoundFile&) { byCallback.Stop(); });
    EXPECT_EQ(byCallback.Run(), 1);
    EXPECT_TRUE(byCallback.Stopped());

    // The sink is asked for the folder, then before each file read; these stop at the third.
    ScriptedProgress sink, three;
    for (ScriptedProgress* p : {&sink, &three})
        p->answer = [p](const ProgressState&) { return p->reports.size() < 3; };
    FileSearch bySink(device.fs(), QStringLiteral("\\S"), QStringLiteral("*.txt"),
                      QStringLiteral("match"));
    EXPECT_EQ(bySink.Run(&sink), 1);
    EXPECT_TRUE(bySink.Stopped());

    // A file of many chunks reports while it is read, so a stop does not wait for its end.
    device.File(QStringLiteral("\\T\\big.bin"), QByteArray(80 * ContentMatcher::kChunkBytes, 'z'));
    FileSearch big(device.fs(), QStringLiteral("\\T"), QStringLiteral("*.*"), QStringLiteral("q"));
    EXPECT_EQ(big.Run(&three), 0);
    EXPECT_TRUE(big.Stopped());
}

}  // namespace
