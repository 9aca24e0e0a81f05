#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/device_options.h"
#include "app/settings_store.h"
#include "resources/ids.h"
#include "support/qt_printers.h"

// Absent values give defaults and nothing is written until a value is set.
TEST(SettingsStore, ValuesPersistUnderTheirSectionAndValueNamesInTheUsersFolder) {
    QTemporaryDir dir;
    const QString file = dir.filePath("settings.ini");
    {
        auto store = SettingsStore::FromFile(file);
        EXPECT_EQ(store->GetProfileIntById(IDS_SECTION_MAIN, IDS_KEY_VIEW_HEIGHT, 42), 42);
        EXPECT_EQ(store->GetText(IDS_SECTION_MAIN, IDS_KEY_WORK_DIRECTORY), "\\My Documents");
        store->Sync();
        EXPECT_FALSE(QFile::exists(file));
        store->SetProfileIntById(IDS_SECTION_MAIN, IDS_KEY_FILE_VIEW_MODE, 1);
        store->SetProfileTextById(IDS_SECTION_MAIN, IDS_KEY_WORK_DIRECTORY, "\\資料\\照片");
        store->SetProfileTextById(IDS_SECTION_FILEVIEW, IDS_KEY_FILTER_STRING, "");
    }
    auto store = SettingsStore::FromFile(file);
    EXPECT_EQ(store->GetInt(IDS_SECTION_MAIN, IDS_KEY_FILE_VIEW_MODE), 1);
    EXPECT_EQ(store->GetText(IDS_SECTION_MAIN, IDS_KEY_WORK_DIRECTORY), "\\資料\\照片");
    EXPECT_EQ(store->GetText(IDS_SECTION_FILEVIEW, IDS_KEY_FILTER_STRING), "");  // not "*"
    QFile raw(file);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray text = raw.readAll();
    for (const char* part : {"[MainSection]", "FileViewMode=1", "[FileView]"})
        EXPECT_TRUE(text.contains(part)) << part;

    // The user's store lives under XDG_CONFIG_HOME.
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    SettingsStore user;
    EXPECT_EQ(user.FileName(),
              dir.path() + "/Local AppWizard-Generated Applications/nuvio-explorer.conf");
    qunsetenv("XDG_CONFIG_HOME");
}

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
