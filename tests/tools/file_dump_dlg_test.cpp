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
namespace {

class FileDumpCommandTest : public FrameTest {
protected:
    // Selects the file in "\My Documents" and runs the command; check drives the dialog.
    bool Dump(const QString& name, const std::function<void(CFileDumpDlg&)>& check) {
        Open();
        SelectNames({name});
        bool shown = false;
        frame().SetDialogRunner([&](QDialog& dialog) {
            shown = true;
            check(static_cast<CFileDumpDlg&>(dialog));
            return int(QDialog::Accepted);
        });
        frame().OnCommand(ID_FILE_DUMP);
        return shown;
    }
    static QString Offset(QWidget& dialog, int r) {
        return Control<QLabel>(dialog, IDC_DUMP_OFFSET_FIRST + r)->text();
    }
};

TEST_F(FileDumpCommandTest, ButtonsMoveThePageAndSwitchHalfAndMode) {
    device.File(QStringLiteral("\\My Documents\\d.bin"), CountingBytes(200));
    EXPECT_TRUE(Dump(QStringLiteral("d.bin"), [](CFileDumpDlg& dialog) {
        EXPECT_EQ(Control<QLabel>(dialog, IDC_DUMP_ROW_FIRST)->text(),
                  "00 01 02 03 04 05 06 07 08 ");
        Click(dialog, IDC_DUMP_NEXT_PAGE);
        EXPECT_EQ(Offset(dialog, 0), "000B4");
        Click(dialog, IDC_DUMP_FIRST_PAGE);
        Click(dialog, IDC_DUMP_LAST_PAGE);
        EXPECT_EQ(dialog.pageOffset(), 20);
        Click(dialog, IDC_DUMP_PREVIOUS_PAGE);
        EXPECT_EQ(dialog.pageOffset(), 0);

        EXPECT_FALSE(Control(dialog, IDC_DUMP_FIRST_HALF)->isEnabled());
        Click(dialog, IDC_DUMP_SECOND_HALF);
        EXPECT_EQ(Offset(dialog, 0), "00009");
        EXPECT_TRUE(Control(dialog, IDC_DUMP_FIRST_HALF)->isEnabled());
        // Character mode has no halves; the half is kept for the return to hex.
        Control<QRadioButton>(dialog, IDC_DUMP_CHAR_MODE)->click();
        EXPECT_EQ(Offset(dialog, 0), "00000");
        EXPECT_FALSE(Control(dialog, IDC_DUMP_FIRST_HALF)->isEnabled());
        Control<QRadioButton>(dialog, IDC_DUMP_HEX_MODE)->click();
        EXPECT_EQ(Offset(dialog, 0), "00009");

        // A wide dialog shows whole rows, without halves; offsets are never cut.
        dialog.resize(1280, 800);
        dialog.show();
        QApplication::processEvents();
        EXPECT_EQ(Offset(dialog, 1), "00012");
        EXPECT_TRUE(Control<QLabel>(dialog, IDC_DUMP_ROW_FIRST)->text().endsWith("10 11 "));
        EXPECT_FALSE(Control(dialog, IDC_DUMP_FIRST_HALF)->isEnabled());
        dialog.resize(240, 320);
        QApplication::processEvents();
        EXPECT_EQ(Offset(dialog, 0), "00009");
        QLabel* offset = Control<QLabel>(dialog, IDC_DUMP_OFFSET_FIRST);
        EXPECT_GE(offset->contentsRect().width(),
                  offset->fontMetrics().horizontalAdvance(offset->text()));
        dialog.hide();
    }));
}

}  // namespace
