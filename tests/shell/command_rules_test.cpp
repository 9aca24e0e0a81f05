#include <QClipboard>
#include <QMenu>
#include <QMimeData>

#include "browse/file_view_input.h"
#include "resources/ids.h"
#include "shell/command_table.h"
#include "shell/frame_fixture.h"

// The rules themselves are table-tested in update_rule_test.cpp; these check that the window
// gathers its facts and applies the rules where the user meets them.
namespace {

class CommandRulesTest : public FrameTest {
protected:
    CommandRulesTest() {
        device.Make(
            {"\\My Documents\\a.txt=a", "\\My Documents\\b.txt=b", "\\My Documents\\Sub\\"});
    }
};

TEST_F(CommandRulesTest, TheWindowGathersItsFactsAndMenusApplyTheRulesWhenTheyOpen) {
    Open();
    SelectNames({});
    emit frame().MenuBarPopup(0)->aboutToShow();
    EXPECT_FALSE(frame().commands().Action(ID_FILE_ENCRYPT)->isEnabled());
    SelectNames({"a.txt", "b.txt"});
    emit frame().MenuBarPopup(0)->aboutToShow();
    EXPECT_TRUE(frame().commands().Action(ID_FILE_ENCRYPT)->isEnabled());
    EXPECT_FALSE(Enabled(ID_EDIT_RENAME));
    std::unique_ptr<QMenu> menu = frame().BuildPopupMenu(FileViewInput::TapAndHoldMenu());
    auto* open = menu->findChild<QAction*>(QString::number(ID_FILE_OPEN_ITEM));
    auto* del = menu->findChild<QAction*>(QString::number(ID_EDIT_DELETE));
    ASSERT_TRUE(open && del);
    EXPECT_FALSE(open->isEnabled());
    EXPECT_TRUE(del->isEnabled());
    SelectNames({"Sub"});
    EXPECT_FALSE(Enabled(ID_FILE_SEND_MAIL));

    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    auto* data = new QMimeData;
    data->setData(CMainFrame::ClipboardFormat(), QByteArray("\\My Documents+a.txt"));
    QGuiApplication::clipboard()->setMimeData(data);
    frame().SetCutMark(true);
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    frame().SetCutMark(false);
    QGuiApplication::clipboard()->clear();

    ASSERT_TRUE(frame().OnCommand(ID_VIEW_LIST));
    EXPECT_FALSE(frame().OnCommand(ID_VIEW_COLUMN_HEADER));
    frame().UpdateCommandUi();
    EXPECT_TRUE(frame().commands().Action(ID_VIEW_LIST)->isChecked());

    ASSERT_TRUE(frame().OnCommand(ID_FILE_UP));
    EXPECT_FALSE(Enabled(ID_ADDRESS_UP));
    EXPECT_FALSE(frame().GetAddressBar()->upButton()->isEnabled());
    EXPECT_FALSE(frame().OnCommand(ID_FILE_UP));

    FocusTree();
    tree().setCurrentItem(tree().TopItem());
    EXPECT_FALSE(Enabled(ID_EDIT_DELETE));
    EXPECT_TRUE(Enabled(ID_FILE_PROPERTIES));
}

// Select all and invert act on the list, and give it the focus, from the tree too.
TEST_F(CommandRulesTest, HandlersAndAcceleratorsRunOnlyEnabledCommands) {
    Open();
    SelectNames({"a.txt"});
    QList<int> ran;
    for (int id : {ID_FILE_DUMP, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        frame().commands().SetHandler(id, [&ran, id] { ran.append(id); });
    EXPECT_TRUE(frame().OnCommand(ID_FILE_DUMP));
    Settle();  // the idle update of the command states
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus);
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(focus, Qt::Key_X, Qt::ControlModifier);
    // Paste is disabled without the system's data on the clipboard.
    QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
    list().SelectRows(SelectMode::None);
    EXPECT_FALSE(frame().OnCommand(ID_FILE_DUMP));
    EXPECT_EQ(ran, QList<int>({ID_FILE_DUMP, ID_EDIT_COPY, ID_EDIT_CUT}));

    FocusTree();
    SelectNames({"a.txt"}, false);
    frame().OnCommand(ID_EDIT_INVERT_SELECTION);
    EXPECT_TRUE(list().HasFocusInside());
    EXPECT_EQ(list().GetSelectedRows(), QList<int>({0, 2}));
    frame().OnCommand(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(list().SelectedCount(), 3);
}

// A failed start is the platform's to report.
TEST_F(CommandRulesTest, SendAndReceiveUseTheSelectedFileAndTheCurrentFolder) {
    Open();
    SelectNames({"a.txt"});
    EXPECT_TRUE(frame().OnCommand(ID_FILE_SEND_MAIL));
    EXPECT_TRUE(frame().OnCommand(ID_FILE_SEND_INFRARED));
    EXPECT_TRUE(frame().OnCommand(ID_FILE_RECEIVE_INFRARED));
    EXPECT_EQ(shell.mailed, QStringList({"\\My Documents\\a.txt"}));
    EXPECT_EQ(shell.sentOverLink, QStringList({"\\My Documents\\a.txt"}));
    EXPECT_EQ(shell.receivedInto, QStringList({"\\My Documents"}));
    shell.transferStarts = false;
    EXPECT_TRUE(frame().OnCommand(ID_FILE_SEND_MAIL));
    EXPECT_TRUE(prompt.messages.isEmpty());
}

}  // namespace
