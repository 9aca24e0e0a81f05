#include <gtest/gtest.h>

#include <functional>

#include "browse/folder_listing.h"
#include "browse/icon_cache.h"
#include "shell/list_settings.h"
#include "support/fake_shell_services.h"
#include "support/temp_device.h"

namespace {

struct ListRig {
    TempDevice dev;
    FakeShellServices shell;
    IconCache icons;
    FolderListing listing{dev.fs(), dev.settings(), shell, icons};
    int tapAction = 0;
    bool Apply(const std::function<void(ListSettings&)>& change) {
        ListSettings settings = ListSettings::From(listing, tapAction);
        change(settings);
        return settings.ApplyTo(listing, tapAction);
    }
};

}  // namespace

TEST(ListSettings, RefillsOnlyWhenTheRowsMayChange) {
    ListRig rig;
    EXPECT_FALSE(rig.Apply([](ListSettings&) {}));
    EXPECT_FALSE(rig.Apply([](ListSettings& s) { s.doubleTapToOpen = true; }));
    EXPECT_EQ(rig.tapAction, 1);
    // A new text while show-only is off is kept for later, without a refill.
    EXPECT_FALSE(rig.Apply([](ListSettings& s) { s.filterText = "txt"; }));
    EXPECT_EQ(rig.listing.filter().FilterString(), "txt");
    EXPECT_TRUE(rig.Apply([](ListSettings& s) { s.showOnlyMatching = true; }));
    EXPECT_TRUE(rig.listing.filter().PatternActive());
    // The text again, differing only in case: nothing to refill.
    EXPECT_FALSE(rig.Apply([](ListSettings& s) { s.filterText = "TXT"; }));
    EXPECT_TRUE(rig.Apply([](ListSettings& s) { s.filterText = "exe"; }));
    EXPECT_TRUE(rig.Apply([](ListSettings& s) { s.hideHiddenFiles = false; }));
    EXPECT_TRUE(rig.Apply([](ListSettings& s) { s.hideRomFiles = false; }));
    EXPECT_TRUE(rig.Apply([](ListSettings& s) { s.hideSystemExtensions = false; }));
    EXPECT_FALSE(rig.listing.filter().hideSystemExt);
}
