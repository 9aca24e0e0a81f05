#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

// The default device shows the user's home folder as a card and uses the user's settings;
// every --root folder keeps settings of its own, whichever way it is named.
TEST(DeviceOptions, HomeOnTheDefaultDeviceAndSettingsPerRoot) {
    const DeviceOptions standard = ParseDeviceOptions({"ls"});
    EXPECT_TRUE(standard.defaultDevice);
    ASSERT_EQ(standard.config.cards.size(), 1);
    EXPECT_EQ(standard.config.cards[0].hostDir, QDir::homePath());
    EXPECT_TRUE(standard.config.discoverRemovableMedia);
    EXPECT_TRUE(DeviceSettingsFile(standard).isEmpty());

    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("a") && QDir(dir.path()).mkpath("b"));
    QFile::link(dir.filePath("a"), dir.filePath("alias"));
    auto file = [&](const char* name) {
        return DeviceSettingsFile(ParseDeviceOptions({"--root", dir.filePath(name)}));
    };
    EXPECT_FALSE(file("a").isEmpty());
    EXPECT_NE(file("a"), file("b"));
    EXPECT_EQ(file("a"), file("alias"));
}
