#include <gtest/gtest.h>

#include <functional>

#include "browse/folder_listing.h"
#include "browse/icon_cache.h"
#include "shell/list_settings.h"
#include "shell/navigation_history.h"
#include "shell/touch_metrics.h"
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

TEST(NavigationHistoryTest, BackAndForwardMoveAndAVisitDropsWhatLayAhead) {
    NavigationHistory history;
    EXPECT_TRUE(history.Back().isEmpty());
    for (const char* folder : {"\\A", "\\B", "\\b", "\\C"})
        history.Visit(QString::fromLatin1(folder));
    EXPECT_EQ(history.Back(), QStringLiteral("\\B"));
    EXPECT_EQ(history.Back(), QStringLiteral("\\A"));
    EXPECT_TRUE(history.Back().isEmpty());
    EXPECT_EQ(history.Forward(), QStringLiteral("\\B"));
    history.Visit(QStringLiteral("\\D"));
    EXPECT_FALSE(history.CanGoForward());
    EXPECT_EQ(history.Back(), QStringLiteral("\\B"));
    for (int i = 0; i < NavigationHistory::kLimit + 5; ++i)
        history.Visit(QStringLiteral("\\F%1").arg(i));
    int steps = 0;
    while (!history.Back().isEmpty())
        ++steps;
    EXPECT_EQ(steps, NavigationHistory::kLimit - 1);
}

// A finger gets about 7 mm on a touch screen at any density, a mouse a compact row; the
// setting overrides the screen, and nothing is smaller than the text.
TEST(TouchMetricsTest, TargetsFollowTheDensityTheScreenKindAndTheSetting) {
    struct Row {
        double dpi;
        bool touch;
        TouchSize size;
        int target;
        int listIcon;
    };
    const Row rows[] = {
        {96, false, TouchSize::FromScreen, 20, 16},  {96, true, TouchSize::FromScreen, 26, 16},
        {192, true, TouchSize::FromScreen, 53, 32},  {192, false, TouchSize::FromScreen, 20, 16},
        {96, false, TouchSize::Large, 34, 24},       {96, true, TouchSize::Small, 20, 16},
        {0, true, TouchSize::FromScreen, 26, 16},    {96, false, TouchSize::Normal, 26, 16},
    };
    for (const Row& row : rows) {
        const TouchMetrics metrics = MeasureTouchTargets(row.dpi, row.touch, row.size, 16);
        EXPECT_EQ(metrics.target, row.target) << row.dpi << " " << int(row.size);
        EXPECT_EQ(metrics.listIcon, row.listIcon) << row.dpi << " " << int(row.size);
    }
}
