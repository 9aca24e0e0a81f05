#pragma once

#include <QString>

class CMainFrame;

// How the list looks in a picture of the main window: `--view` and `--check`.
struct ScreenshotScene {
    int viewMode = -1;     // a ViewMode; the stored one when negative
    int checkedRows = 0;   // with some, the check mode with every other row checked
    QString error;         // a word that could not be read

    // Reads an option and its value; false when the option is not one of these.
    bool Parse(const QString& option, const QString& value);
};

void SetUpScreenshotList(CMainFrame& frame, const ScreenshotScene& scene);
