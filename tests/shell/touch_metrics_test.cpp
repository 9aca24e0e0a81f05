#include <gtest/gtest.h>

#include "shell/touch_metrics.h"

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
