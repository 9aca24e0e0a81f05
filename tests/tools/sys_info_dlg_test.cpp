#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>

#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/fixed_space_fs.h"
#include "tools/sys_info_dlg.h"

namespace {

VolumeSpace Space(quint64 totalKb, quint64 freeKb) {
    return VolumeSpace{freeKb * 1024, totalKb * 1024, freeKb * 1024};
}

QString Figure(QWidget& dialog, int id) {
    auto* label = dialog.findChild<QLabel*>(QString::number(id));
    EXPECT_NE(label, nullptr) << id;
    return label ? label->text() : QString();
}

QComboBox* Cards(QWidget& dialog) {
    return dialog.findChild<QComboBox*>(QString::number(IDC_CARD_LIST));
}

TEST(SysInfoDlg, ShowsEveryFigureAndFollowsTheChosenCard) {
    TempDevice device;
    FixedSpaceFs fs(device.fs());
    fs.cards = {"Storage Card", "SD Card", "Broken"};
    fs.spaces[QStringLiteral("\\")] = Space(65536, 40000);
    fs.spaces[QStringLiteral("\\Storage Card")] = Space(1000448, 12345);
    fs.spaces[QStringLiteral("\\SD Card")] = Space(2000000, 1500000);
    CSysInfoDlg dialog(fs, GatherSystemFigures(fs, HostMemory{512ULL << 20, 100ULL << 20}));

    EXPECT_EQ(dialog.objectName(), QString::number(IDD_SYSTEM_INFO));
    EXPECT_EQ(Figure(dialog, IDC_PROGRAM_MEMORY_TOTAL), "524,288");
    EXPECT_EQ(Figure(dialog, IDC_PROGRAM_MEMORY_FREE), "102,400");
    EXPECT_EQ(Figure(dialog, IDC_STORAGE_MEMORY_TOTAL), "65,536");
    EXPECT_EQ(Figure(dialog, IDC_STORAGE_MEMORY_FREE), "40,000");
    QComboBox* cards = Cards(dialog);
    ASSERT_NE(cards, nullptr);
    EXPECT_TRUE(cards->isEnabled());
    EXPECT_EQ(cards->count(), 3);
    EXPECT_EQ(cards->currentText(), "Storage Card");
    EXPECT_EQ(Figure(dialog, IDC_CARD_TOTAL), "1,000,448");
    EXPECT_EQ(Figure(dialog, IDC_CARD_FREE), "12,345");

    // Another card changes only the card figures.
    fs.queries.clear();
    cards->setCurrentIndex(1);
    EXPECT_EQ(fs.queries, QStringList({"\\SD Card"}));
    EXPECT_EQ(Figure(dialog, IDC_CARD_TOTAL), "2,000,000");
    EXPECT_EQ(Figure(dialog, IDC_CARD_FREE), "1,500,000");
    EXPECT_EQ(Figure(dialog, IDC_STORAGE_MEMORY_TOTAL), "65,536");
    EXPECT_EQ(Figure(dialog, IDC_PROGRAM_MEMORY_FREE), "102,400");

    // A card that cannot be queried reads 0.
    cards->setCurrentIndex(2);
    EXPECT_EQ(Figure(dialog, IDC_CARD_TOTAL), "0");
    EXPECT_EQ(Figure(dialog, IDC_CARD_FREE), "0");
}

class SysInfoCommandTest : public FrameTest {};

}  // namespace
