#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "fileops/confirm_dlg.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"

namespace {

class ConfirmDlgTest : public FrameTest {
protected:
    // Shows the prepared dialog without a modal loop and returns its answer after the action.
    ConfirmAnswer Answer(CConfirmDlg& dialog, const std::function<void()>& action) {
        dialog.Prepare();
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        action();
        Settle();
        EXPECT_FALSE(dialog.isVisible());
        return dialog.answer();
    }
    static QString Text(QWidget& dialog, int id) {
        return dialog.findChild<QLabel*>(QString::number(id))->text();
    }
    static QPushButton* Button(QWidget& dialog, int id) {
        return dialog.findChild<QPushButton*>(QString::number(id));
    }
};

}  // namespace

TEST_F(ConfirmDlgTest, KeysAndButtonsGiveTheFourAnswers) {
    CConfirmDlg dialog(IDD_CONFIRM, device.fs());
    dialog.SetMessage("你是否要刪除 'a.txt' ?");
    EXPECT_EQ(Answer(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); }), ConfirmAnswer::Yes);
    EXPECT_EQ(Text(dialog, IDC_CONFIRM_MESSAGE), "你是否要刪除 'a.txt' ?");
    EXPECT_EQ(Answer(dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }), ConfirmAnswer::Cancel);
    EXPECT_EQ(Answer(dialog, [&] { Button(dialog, IDNO)->click(); }), ConfirmAnswer::No);
    EXPECT_EQ(Answer(dialog, [&] { Button(dialog, IDC_CONFIRM_ALL)->click(); }),
              ConfirmAnswer::YesToAll);
    EXPECT_EQ(Answer(dialog, [&] { dialog.close(); }), ConfirmAnswer::Cancel);
}

TEST_F(ConfirmDlgTest, ReplacementShowsBothFilesSizes) {
    device.Make({"\\old.txt#1024", "\\new.txt#1023"});
    CConfirmDlg dialog(IDD_CONFIRM_REPLACE, device.fs());
    dialog.SetExistingFile("\\old.txt");
    dialog.SetNewFile("\\new.txt", QIcon());
    Answer(dialog, [&] { Button(dialog, IDOK)->click(); });
    EXPECT_EQ(Text(dialog, IDC_EXISTING_SIZE), "1KB");
    EXPECT_EQ(Text(dialog, IDC_NEW_SIZE), "1,023B");
    EXPECT_TRUE(Text(dialog, IDC_EXISTING_DATE).contains("  "));
}
