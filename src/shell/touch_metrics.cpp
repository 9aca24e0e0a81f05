#include "shell/touch_metrics.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMillimetresPerInch = 25.4;

int Millimetres(double mm, double dotsPerInch) {
    return int(std::lround(mm / kMillimetresPerInch * dotsPerInch));
}

}  // namespace

TouchMetrics MeasureTouchTargets(double dotsPerInch, bool touchScreen, TouchSize size,
                                 int fontHeight) {
    // Screens that report nothing sensible count as an ordinary desktop monitor.
    if (!(dotsPerInch >= 50 && dotsPerInch <= 1000)) dotsPerInch = 96;
    const int compact = fontHeight + 4;
    int target = compact;
    switch (size) {
        case TouchSize::FromScreen:
            target = touchScreen ? Millimetres(7, dotsPerInch) : compact;
            break;
        case TouchSize::Small:
            target = Millimetres(5, dotsPerInch);
            break;
        case TouchSize::Normal:
            target = Millimetres(7, dotsPerInch);
            break;
        case TouchSize::Large:
            target = Millimetres(9, dotsPerInch);
            break;
    }
    TouchMetrics metrics;
    metrics.target = std::max(target, compact);
    // Icons grow in the steps icon themes draw: 16, 24, 32, then 48 for large icons.
    metrics.listIcon = metrics.target >= 40 ? 32 : metrics.target >= 30 ? 24 : 16;
    metrics.largeIcon = metrics.target >= 40 ? 48 : 32;
    return metrics;
}
