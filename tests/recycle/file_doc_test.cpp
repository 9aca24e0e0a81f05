#include <gtest/gtest.h>

#include "app/clock.h"
#include "app/settings_store.h"
#include "crypt/crypto_provider.h"
#include "recycle/file_doc.h"
#include "resources/ids.h"
#include "support/fake_shell_services.h"
#include "support/recording_prompt.h"
#include "support/temp_device.h"

namespace {

struct DocFixture {
    TempDevice device;
    RecordingPrompt prompt;
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(9, 0))};
    FakeShellServices shell;
};

}  // namespace

TEST(FileDoc, StartsWithNoSettingsAtAll) {
    DocFixture f;
    f.device.Make({"\\My Documents\\", "\\Windows\\Start Menu\\Programs\\"});
    {
        CFileDoc doc(f.device.fs(), f.device.settings(), f.prompt, f.clock, f.shell);
        ASSERT_TRUE(doc.OnNewDocument());
        EXPECT_EQ(doc.iconCache().Count(), IconCache::kBuiltInCount);
        RecycleBin& bin = doc.bin();
        EXPECT_TRUE(bin.settings().enabled);
        EXPECT_EQ(bin.settings().capacityMb, 16);
        EXPECT_FALSE(bin.settings().capacityLimitOn);
        EXPECT_EQ(bin.settings().lifetime, 0);
        // No storage card: the bin falls back to main memory and is made hidden.
        EXPECT_EQ(bin.settings().position, 0);
        EXPECT_EQ(bin.binPath(), "\\~Recycle");
        auto attributes = f.device.fs().GetAttributes("\\~Recycle");
        ASSERT_TRUE(attributes);
        EXPECT_TRUE(*attributes & Attr::kHidden);
        EXPECT_EQ(doc.cryptoProviderName(), ChooseCryptoProvider());
        EXPECT_EQ(doc.favorites().Count(), 2);
        EXPECT_TRUE(f.prompt.messages.isEmpty());
    }
    // Written back at exit: the computed folder, the settings, the new favourites file.
    SettingsStore& s = f.device.settings();
    EXPECT_EQ(s.GetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_PATH), "\\~Recycle");
    EXPECT_EQ(s.GetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_POS, -1), 0);
    EXPECT_EQ(s.GetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_MAX_CAPACITY, -1), 16);
    EXPECT_TRUE(f.device.Exists("\\Program Files\\Nuvio File Explorer\\ngoto.got"));
}

TEST(FileDoc, ALaterStartUsesTheStoredBinAndLeavesUnchangedFilesAlone) {
    DocFixture f;
    f.device.Make({"\\My Documents\\"});
    { CFileDoc doc(f.device.fs(), f.device.settings(), f.prompt, f.clock, f.shell); }
    const QString favorites = "\\Program Files\\Nuvio File Explorer\\ngoto.got";
    FileTime before = 0;
    ASSERT_TRUE(f.device.fs().GetTimes(favorites, nullptr, nullptr, &before));
    FileTime old = before - 10000000ULL * 3600;
    ASSERT_TRUE(f.device.fs().SetTimes(favorites, nullptr, nullptr, &old));
    // A stored bin folder is neither recomputed nor made again by the document.
    f.device.settings().SetProfileTextById(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_PATH,
                                           "\\Elsewhere\\~Recycle");
    {
        CFileDoc doc(f.device.fs(), f.device.settings(), f.prompt, f.clock, f.shell);
        EXPECT_EQ(doc.bin().binPath(), "\\Elsewhere\\~Recycle");
        EXPECT_FALSE(f.device.Exists("\\Elsewhere"));
        EXPECT_FALSE(doc.favorites().IsDirty());
    }
    FileTime after = 0;
    ASSERT_TRUE(f.device.fs().GetTimes(favorites, nullptr, nullptr, &after));
    EXPECT_EQ(after, old);  // not rewritten
}

TEST(FileDoc, FolderTypeComesFromTheDocumentsFolder) {
    DocFixture f;
    CFileDoc doc(f.device.fs(), f.device.settings(), f.prompt, f.clock, f.shell);
    IconCache cache;
    doc.BuildIconCache(cache);
    EXPECT_EQ(cache.Count(), 3);
    EXPECT_FALSE(cache.GetFolderTypeName().isEmpty());
}
