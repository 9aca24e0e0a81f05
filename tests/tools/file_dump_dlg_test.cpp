#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>

#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/dialog_controls.h"
#include "support/dump_bytes.h"
#include "tools/file_dump_dlg.h"

// The page rules are tested in dump_page_test.cpp; this checks that the buttons reach them.
TEST_F(FrameTest, FileDumpButtonsMoveThePageAndSwitchHalfAndMode) {
    device.File(QStringLiteral("\\My Documents\\d.bin"), CountingBytes(200));
    Open();
    SelectNames({"d.bin"});
    bool shown = false;
    frame().SetDialogRunner([&shown](QDialog& shownDialog) {
        auto& dialog = static_cast<CFileDumpDlg&>(shownDialog);
        auto offset = [&dialog] { return Control<QLabel>(dialog, IDC_DUMP_OFFSET_FIRST)->text(); };
        shown = true;
        for (auto [button, page] : {std::pair{IDC_DUMP_NEXT_PAGE, 180}, {IDC_DUMP_PREVIOUS_PAGE, 0},
                                    {IDC_DUMP_LAST_PAGE, 20}, {IDC_DUMP_FIRST_PAGE, 0}}) {
            Click(dialog, button);
            EXPECT_EQ(dialog.pageOffset(), page) << button;
        }
        Click(dialog, IDC_DUMP_SECOND_HALF);
        EXPECT_EQ(offset(), "00009");
        EXPECT_TRUE(Control(dialog, IDC_DUMP_FIRST_HALF)->isEnabled());
        // Character mode has no halves; the half is kept for the return to hex.
        Control<QRadioButton>(dialog, IDC_DUMP_CHAR_MODE)->click();
        EXPECT_EQ(offset(), "00000");
        EXPECT_FALSE(Control(dialog, IDC_DUMP_FIRST_HALF)->isEnabled());
        Control<QRadioButton>(dialog, IDC_DUMP_HEX_MODE)->click();
        EXPECT_EQ(offset(), "00009");

        // A wide dialog shows whole rows, without halves; offsets are never cut.
        dialog.resize(1280, 800);
        dialog.show();
        QApplication::processEvents();
        EXPECT_EQ(Control<QLabel>(dialog, IDC_DUMP_OFFSET_FIRST + 1)->text(), "00012");
        EXPECT_TRUE(Control<QLabel>(dialog, IDC_DUMP_ROW_FIRST)->text().endsWith("10 11 "));
        EXPECT_FALSE(Control(dialog, IDC_DUMP_FIRST_HALF)->isEnabled());
        dialog.resize(240, 320);
        QApplication::processEvents();
        EXPECT_EQ(offset(), "00009");
        QLabel* field = Control<QLabel>(dialog, IDC_DUMP_OFFSET_FIRST);
        EXPECT_GE(field->contentsRect().width(),
                  field->fontMetrics().horizontalAdvance(field->text()));
        dialog.hide();
        return int(QDialog::Accepted);
    });
    frame().OnCommand(ID_FILE_DUMP);
    EXPECT_TRUE(shown);
}
