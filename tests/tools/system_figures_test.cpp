#include <gtest/gtest.h>

#include "support/fixed_space_fs.h"
#include "support/temp_device.h"
#include "tools/system_figures.h"

namespace {

VolumeSpace Space(quint64 totalKb, quint64 freeKb) {
    // Bytes below a whole kilobyte are dropped, as the figures count whole kilobytes.
    return VolumeSpace{freeKb * 1024 + 1023, totalKb * 1024 + 1023, freeKb * 1024 + 5000};
}

TEST(SystemFigures, ParsesHostMemory) {
    auto memory = ParseMemInfo(
        "MemTotal:       16314528 kB\nMemFree:         1000000 kB\n"
        "MemAvailable:    8000000 kB\nBuffers:          123 kB\n");
    ASSERT_TRUE(memory);
    EXPECT_EQ(memory->totalBytes, 16314528ULL * 1024);
    EXPECT_EQ(memory->availableBytes, 8000000ULL * 1024);
    // Without an available figure the free one counts.
    EXPECT_EQ(ParseMemInfo("MemTotal: 2048 kB\nMemFree: 512 kB\n")->availableBytes, 512ULL * 1024);
    for (const char* bad : {"MemFree: 512 kB\n", "MemTotal: lots kB\n",
                            "MemTotal: 99999999999999999999 kB\n", ""})
        EXPECT_FALSE(ParseMemInfo(bad)) << bad;
}

TEST(SystemFigures, FirstCardShownAnotherChosenAndMissingFiguresReadZero) {
    TempDevice device;
    FixedSpaceFs fs(device.fs());
    fs.cards = {"Storage Card", "SD Card", "Broken"};
    fs.spaces[QStringLiteral("\\")] = Space(65536, 40000);
    fs.spaces[QStringLiteral("\\Storage Card")] = Space(1000448, 12345);
    // Five terabytes: kilobytes beyond 32 bits.
    fs.spaces[QStringLiteral("\\SD Card")] = Space(5ULL << 30, 3ULL << 30);

    SystemFigures figures = GatherSystemFigures(fs, HostMemory{});
    EXPECT_EQ(figures.chosenCard, "Storage Card");
    EXPECT_EQ(figures.CardTotalText(), "1,000,448");
    EXPECT_EQ(figures.CardFreeText(), "12,345");
    EXPECT_EQ(figures.StorageTotalText(), "65,536");
    EXPECT_EQ(figures.StorageFreeText(), "40,000");

    ASSERT_TRUE(ChooseCard(fs, figures, QStringLiteral("sd card")));
    EXPECT_EQ(figures.chosenCard, "SD Card");
    EXPECT_EQ(figures.CardTotalText(), "5,368,709,120");
    EXPECT_EQ(figures.CardFreeText(), "3,221,225,472");
    EXPECT_EQ(figures.StorageTotalText(), "65,536");

    // A card that cannot be queried reads 0; a folder that is no card is not chosen.
    ASSERT_TRUE(ChooseCard(fs, figures, QStringLiteral("Broken")));
    EXPECT_EQ(figures.CardTotalText(), "0");
    EXPECT_FALSE(ChooseCard(fs, figures, QStringLiteral("Windows")));
    EXPECT_EQ(figures.chosenCard, "Broken");

    // Without a card or memory figures, they read zero; memory counts whole kilobytes.
    const SystemFigures none =
        GatherSystemFigures(device.fs(), HostMemory{2ULL << 30, (1ULL << 30) + 1023});
    EXPECT_EQ(none.ProgramTotalText(), "2,097,152");
    EXPECT_EQ(none.ProgramFreeText(), "1,048,576");
    EXPECT_TRUE(none.cards.isEmpty());
    EXPECT_EQ(none.CardTotalText() + none.CardFreeText(), "00");
    EXPECT_EQ(GatherSystemFigures(device.fs(), std::nullopt).ProgramTotalText(), "0");
}

}  // namespace
