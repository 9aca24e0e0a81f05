#include <gtest/gtest.h>

#include "app/device_options.h"
#include "support/qt_printers.h"

TEST(DeviceOptions, RootAndCardsAreTakenOutOfTheArgumentsOrRefused) {
    DeviceOptions o = ParseDeviceOptions(
        {"--root", "/tmp", "ls", "--card", "Storage Card=/media/sd", "--card=SD2=/mnt/x", "-a"});
    EXPECT_TRUE(o.error.isEmpty());
    EXPECT_EQ(o.config.rootDir, "/tmp");
    ASSERT_EQ(o.config.cards.size(), 2);
    EXPECT_EQ(o.config.cards[0].name, "Storage Card");
    EXPECT_EQ(o.config.cards[0].hostDir, "/media/sd");
    EXPECT_EQ(o.config.cards[1].name, "SD2");
    EXPECT_FALSE(o.config.discoverRemovableMedia);
    EXPECT_EQ(o.rest, (QStringList{"ls", "-a"}));

    EXPECT_FALSE(ParseDeviceOptions({"--card", "NoDir"}).error.isEmpty());
    EXPECT_FALSE(ParseDeviceOptions({"--root"}).error.isEmpty());
    EXPECT_FALSE(ParseDeviceOptions({"--root", "/no/such/folder/anywhere"}).error.isEmpty());
}
