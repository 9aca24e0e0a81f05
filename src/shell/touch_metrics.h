#pragma once

// How large a tap target is: rows, icons, tool buttons, menu entries and dialog buttons.

// The size setting: from the screen, or chosen by the user.
enum class TouchSize { FromScreen = 0, Small = 1, Normal = 2, Large = 3 };

struct TouchMetrics {
    int target = 0;    // the side of a tap target in pixels: row height, button height
    int listIcon = 0;  // the small icons of rows, the tree and the tool buttons
    int largeIcon = 0;  // the icons of the large-icon view
};

// From the screen's physical density: a finger on a touch screen needs about 7 mm; a mouse
// on a desktop does with a compact row of the font's height. Small, normal and large mean 5,
// 7 and 9 mm anywhere. Never smaller than the text.
TouchMetrics MeasureTouchTargets(double dotsPerInch, bool touchScreen, TouchSize size,
                                 int fontHeight);
