#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

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
