#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>

#include "resources/ids.h"
#include "support/dialog_controls.h"
#include "support/fixed_space_fs.h"
#include "support/temp_device.h"
#include "tools/sys_info_dlg.h"

// The figures themselves are tested in system_figures_test.cpp; this checks the wiring.
TEST(SysInfoDlg, ShowsTheFiguresAndFollowsTheChosenCard) {
    TempDevice device;
    FixedSpaceFs fs(device.fs());
    fs.cards = {"Storage Card", "SD Card"};
    fs.spaces[QStringLiteral("\\")] = VolumeSpace{40000 * 1024, 65536 * 1024, 40000 * 1024};
    fs.spaces[QStringLiteral("\\Storage Card")] = VolumeSpace{1024, 2048, 1024};
    fs.spaces[QStringLiteral("\\SD Card")] = VolumeSpace{3072, 4096, 3072};
    CSysInfoDlg dialog(fs, GatherSystemFigures(fs, HostMemory{512ULL << 20, 100ULL << 20}));
    auto text = [&](int id) { return Control<QLabel>(dialog, id)->text(); };
    EXPECT_EQ(QStringList({text(IDC_PROGRAM_MEMORY_TOTAL), text(IDC_PROGRAM_MEMORY_FREE),
                           text(IDC_STORAGE_MEMORY_TOTAL), text(IDC_STORAGE_MEMORY_FREE),
                           text(IDC_CARD_TOTAL)}),
              QStringList({"524,288", "102,400", "65,536", "40,000", "2"}));
    Control<QComboBox>(dialog, IDC_CARD_LIST)->setCurrentIndex(1);
    EXPECT_EQ(text(IDC_CARD_TOTAL), "4");
    EXPECT_EQ(text(IDC_CARD_FREE), "3");
}
