#include <gtest/gtest.h>

#include "platform/device_fs.h"
#include "resources/ids.h"
#include "support/dump_bytes.h"
#include "support/recording_prompt.h"
#include "support/temp_device.h"
#include "tools/dump_file.h"
#include "tools/dump_page.h"

// One row per move: where it goes from an offset in a file of a size (pages of 180 bytes).
TEST(DumpPage, MovesStayInsideTheFile) {
    const qint64 big = 0x1'2345'6789LL;
    const struct Row {
        DumpMove move;
        qint64 offset, size, expected;
    } rows[] = {
        {DumpMove::Next, 0, 200, 180},     {DumpMove::Next, 180, 200, 180},
        {DumpMove::Last, 0, 200, 20},      {DumpMove::Previous, 20, 200, 0},
        {DumpMove::Previous, 360, 1000, 180}, {DumpMove::First, 180, 200, 0},
        // A file of exactly one page does not move.
        {DumpMove::Next, 0, 180, 0},       {DumpMove::Last, 0, 180, 0},
        {DumpMove::Last, 0, big, big - kDumpPageBytes},
    };
    for (const Row& row : rows)
        EXPECT_EQ(MoveDumpPage(row.move, row.offset, row.size), row.expected)
            << int(row.move) << " " << row.offset << " " << row.size;
}

TEST(DumpPage, APartPageShowsPlaceholdersAfterTheEndAndOffsetsStayExact) {
    const DumpPage empty = BuildDumpPage({}, 0, 0, DumpMode::Characters, DumpHalf::First);
    EXPECT_EQ(empty[9].offsetText, "000A2");
    EXPECT_EQ(empty[9].text, RepeatText(" ", kDumpRowBytes));

    const DumpPage page =
        BuildDumpPage(CountingBytes(200).mid(180), 180, 200, DumpMode::Hex, DumpHalf::First);
    EXPECT_EQ(page[0].offsetText, "000B4");
    EXPECT_TRUE(page[0].text.startsWith("B4 B5 B6 "));
    EXPECT_TRUE(page[0].text.endsWith("C4 C5 "));
    EXPECT_EQ(page[1].text, "C6 C7 " + RepeatText("-- ", 16));
    EXPECT_EQ(page[9].text, RepeatText("-- ", kDumpRowBytes));
    EXPECT_EQ(page[0].shownText, page[0].text);
    // Offsets widen beyond five digits and stay exact in large files.
    EXPECT_EQ(DumpOffsetText(0xFFFFF, 0x100000), "FFFFF");
    EXPECT_EQ(DumpOffsetText(0x12, 0x100001), "000012");
    const qint64 big = 0x1'2345'6789LL;
    const DumpPage large = BuildDumpPage({}, big, big + 100, DumpMode::Hex, DumpHalf::Second);
    EXPECT_EQ(large[0].offset, big + 9);
    EXPECT_EQ(large[0].offsetText, "123456792");
}

TEST(DumpPage, SecondHalfAndCharacters) {
    QByteArray bytes = CountingBytes(kDumpPageBytes);
    const DumpPage second = BuildDumpPage(bytes, 0, 1000, DumpMode::Hex, DumpHalf::Second);
    EXPECT_EQ(second[0].offsetText, "00009");
    EXPECT_EQ(second[1].offsetText, "0001B");
    EXPECT_EQ(second[0].shownText, "09 0A 0B 0C 0D 0E 0F 10 11 ");
    EXPECT_EQ(second[0].text.size(), kDumpRowBytes * 3);
    EXPECT_TRUE(DumpFirstHalfEnabled(DumpMode::Hex, DumpHalf::Second));
    EXPECT_FALSE(DumpSecondHalfEnabled(DumpMode::Hex, DumpHalf::Second));
    EXPECT_FALSE(DumpFirstHalfEnabled(DumpMode::Characters, DumpHalf::Second));

    bytes.replace(0, 5, QByteArray("A\0\xe4~ ", 5));
    // The half does not apply in character mode.
    const DumpPage chars = BuildDumpPage(bytes, 0, 1000, DumpMode::Characters, DumpHalf::Second);
    EXPECT_TRUE(chars[0].text.startsWith("A..~ ")) << chars[0].text;
    EXPECT_EQ(chars[0].offsetText, "00000");
    EXPECT_EQ(chars[0].shownText, chars[0].text);
    EXPECT_EQ(chars[3].text, "6789:;<=>?@ABCDEFG");
    // 126 is '~', 127 (DEL) and above are no printable characters.
    EXPECT_EQ(chars[7].text, "~" + RepeatText(".", kDumpRowBytes - 1));
}

TEST(DumpFile, ReadsPagesAndRefusesWhatItCannotOpen) {
    TempDevice device;
    device.File(QStringLiteral("\\d.bin"), CountingBytes(200));
    device.Folder(QStringLiteral("\\Folder"));
    RecordingPrompt prompt;

    auto file = DumpFile::Open(device.fs(), QStringLiteral("\\d.bin"), prompt);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Size(), 200);
    EXPECT_EQ(file->ReadPage(0), CountingBytes(180));
    EXPECT_EQ(file->ReadPage(180), CountingBytes(200).mid(180));
    EXPECT_TRUE(file->ReadPage(200).isEmpty());

    EXPECT_FALSE(DumpFile::Open(device.fs(), QStringLiteral("\\missing.bin"), prompt));
    EXPECT_FALSE(DumpFile::Open(device.fs(), QStringLiteral("\\Folder"), prompt));
    EXPECT_EQ(prompt.MessageIds(), QList<int>({IDS_CANNOT_OPEN_FILE, IDS_CANNOT_OPEN_FILE}));
}
