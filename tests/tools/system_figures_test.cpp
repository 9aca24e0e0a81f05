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

    // The chosen card, its total and free kilobytes, and the storage's.
    SystemFigures figures = GatherSystemFigures(fs, HostMemory{});
    auto shown = [&figures] {
        return QStringList{figures.chosenCard, figures.CardTotalText(), figures.CardFreeText(),
                           figures.StorageTotalText(), figures.StorageFreeText()};
    };
    EXPECT_EQ(shown(), QStringList({"Storage Card", "1,000,448", "12,345", "65,536", "40,000"}));
    ASSERT_TRUE(ChooseCard(fs, figures, QStringLiteral("sd card")));
    EXPECT_EQ(shown(),
              QStringList({"SD Card", "5,368,709,120", "3,221,225,472", "65,536", "40,000"}));
    // A card that cannot be queried reads 0; a folder that is no card is not chosen.
    ASSERT_TRUE(ChooseCard(fs, figures, QStringLiteral("Broken")));
    EXPECT_FALSE(ChooseCard(fs, figures, QStringLiteral("Windows")));
    EXPECT_EQ(shown(), QStringList({"Broken", "0", "0", "65,536", "40,000"}));

    // Without a card or memory figures, they read zero; memory counts whole kilobytes.
    const SystemFigures none =
        GatherSystemFigures(device.fs(), HostMemory{2ULL << 30, (1ULL << 30) + 1023});
    EXPECT_TRUE(none.cards.isEmpty());
    EXPECT_EQ(QStringList({none.ProgramTotalText(), none.ProgramFreeText(), none.CardTotalText(),
                           none.CardFreeText()}),
              QStringList({"2,097,152", "1,048,576", "0", "0"}));
    EXPECT_EQ(GatherSystemFigures(device.fs(), std::nullopt).ProgramTotalText(), "0");
}

}  // namespace
