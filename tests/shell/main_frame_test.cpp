#include <gtest/gtest.h>

#include "shell/main_frame.h"
#include "support/temp_device.h"

TEST(MainFrame, TitleNamesTheProgramForASecondStart) {
    TempDevice device;
    CMainFrame frame(device.fs());
    EXPECT_TRUE(frame.windowTitle().contains(QStringLiteral("NUVIO File Explorer")));
}
