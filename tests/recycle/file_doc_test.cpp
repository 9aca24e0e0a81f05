#include <gtest/gtest.h>

#include "app/clock.h"
#include "app/settings_store.h"
#include "recycle/file_doc.h"
#include "recycle/recycle_test_helpers.h"
#include "resources/ids.h"
#include "support/fake_shell_services.h"
#include "support/recording_prompt.h"
#include "support/temp_device.h"

TEST(FileDoc, AFirstStartWritesItsSettingsAndALaterOneLeavesUnchangedFilesAlone) {
    TempDevice device;
    RecordingPrompt prompt;
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(9, 0))};
    FakeShellServices shell;
    device.Make({"\\My Documents\\", "\\Windows\\Start Menu\\Programs\\"});
    {
        CFileDoc doc(device.fs(), device.settings(), prompt, clock, shell);
        ASSERT_TRUE(doc.OnNewDocument());
        // No storage card: the bin falls back to main memory and is made hidden.
        EXPECT_EQ(doc.bin().binPath(), "\\~Recycle");
        EXPECT_TRUE(*device.fs().GetAttributes("\\~Recycle") & Attr::kHidden);
        EXPECT_TRUE(prompt.messages.isEmpty());
    }
    // Written back at exit: the computed folder, the settings, the new favourites file.
    SettingsStore& s = device.settings();
    EXPECT_EQ(s.GetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_PATH), "\\~Recycle");
    EXPECT_EQ(s.GetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_POS, -1), 0);
    const QString favorites = "\\Program Files\\Nuvio File Explorer\\ngoto.got";
    const FileTime old = WriteTime(device.fs(), favorites) - 10000000ULL * 3600;
    ASSERT_TRUE(device.fs().SetTimes(favorites, nullptr, nullptr, &old));

    // A stored bin folder is neither recomputed nor made again; the favourites stay unwritten.
    s.SetProfileTextById(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_PATH, "\\Elsewhere\\~Recycle");
    {
        CFileDoc doc(device.fs(), device.settings(), prompt, clock, shell);
        EXPECT_EQ(doc.bin().binPath(), "\\Elsewhere\\~Recycle");
        EXPECT_FALSE(device.Exists("\\Elsewhere"));
        EXPECT_FALSE(doc.favorites().IsDirty());
    }
    EXPECT_EQ(WriteTime(device.fs(), favorites), old);
}
