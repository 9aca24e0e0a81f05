#include <QClipboard>
#include <QMenu>
#include <QMimeData>

#include "resources/ids.h"
#include "shell/command_table.h"
#include "shell/frame_fixture.h"

namespace {

class CommandRulesTest : public FrameTest {
protected:
    CommandRulesTest() {
        device.Make(
            {"\\My Documents\\a.txt=a", "\\My Documents\\b.txt=b", "\\My Documents\\Sub\\"});
    }
};

TEST_F(CommandRulesTest, TheTopItemOfTheTreeAllowsPropertiesButNoChange) {
    Open();
    FocusTree();
    tree().setCurrentItem(tree().TopItem());
    ASSERT_TRUE(tree().IsRootSelected());
    for (int id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE, ID_EDIT_RENAME})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(ID_FILE_PROPERTIES));
}

TEST_F(CommandRulesTest, AFolderOfTheTreeCanBeRenamedCutAndDeleted) {
    Open();
    FocusTree();
    ASSERT_EQ(tree().GetSelectedText(), QStringLiteral("My Documents"));
    for (int id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE, ID_EDIT_RENAME, ID_FILE_PROPERTIES})
        EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(CommandRulesTest, TwoSelectedFilesAllowOnlyTheCommandsForManyItems) {
    Open();
    FocusList();
    SelectOnly({"a.txt", "b.txt"});
    for (int id : {ID_EDIT_RENAME, ID_FILE_OPEN_ITEM, ID_FILE_DUMP, ID_FILE_SEND_MAIL,
                   ID_FILE_SEND_INFRARED}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    for (int id : {ID_FILE_ENCRYPT, ID_FILE_DECRYPT, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE,
                   ID_FILE_PROPERTIES}) {
        EXPECT_TRUE(Enabled(id)) << id;
    }
}

TEST_F(CommandRulesTest, OneFileCanBeSentOneFolderCannot) {
    Open();
    FocusList();
    SelectOnly({"a.txt"});
    EXPECT_TRUE(Enabled(ID_FILE_SEND_MAIL));
    EXPECT_TRUE(Enabled(ID_FILE_SEND_INFRARED));
    EXPECT_TRUE(Enabled(ID_EDIT_RENAME));
    EXPECT_TRUE(Enabled(ID_FILE_OPEN_ITEM));
    SelectOnly({"Sub"});
    EXPECT_FALSE(Enabled(ID_FILE_SEND_MAIL));
    EXPECT_FALSE(Enabled(ID_FILE_SEND_INFRARED));
    EXPECT_TRUE(Enabled(ID_FILE_DUMP));
}

TEST_F(CommandRulesTest, NothingSelectedInTheListDisablesSelectionCommands) {
    Open();
    FocusList();
    list().SelectRows(0);
    for (int id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE, ID_EDIT_RENAME, ID_FILE_PROPERTIES,
                   ID_FILE_ENCRYPT, ID_FILE_OPEN_ITEM}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    EXPECT_TRUE(Enabled(ID_EDIT_SELECT_ALL));
    // Rename needs the tree or the list to have the focus.
    frame().GetAddressBar()->combo()->setFocus();
    SelectOnly({"a.txt"});
    EXPECT_FALSE(Enabled(ID_EDIT_RENAME));
}

TEST_F(CommandRulesTest, AfterACutPasteIsOfferedButNotPasteAsShortcut) {
    Open();
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE));
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE_SHORTCUT));
    auto* data = new QMimeData;
    data->setData(CMainFrame::ClipboardFormat(), QByteArray("\\My Documents+a.txt"));
    QGuiApplication::clipboard()->setMimeData(data);
    frame().SetCutMark(true);
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE));
    EXPECT_FALSE(Enabled(ID_EDIT_PASTE_SHORTCUT));
    frame().SetCutMark(false);
    EXPECT_TRUE(Enabled(ID_EDIT_PASTE_SHORTCUT));
    QGuiApplication::clipboard()->clear();
}

TEST_F(CommandRulesTest, ColumnHeaderCommandOnlyInDetails) {
    Open();
    for (int mode = 0; mode < 4; ++mode) {
        ASSERT_TRUE(frame().OnCommand(ID_VIEW_LARGE_ICONS + mode));
        EXPECT_EQ(Enabled(ID_VIEW_COLUMN_HEADER), mode == 3) << mode;
        for (int other = 0; other < 4; ++other)
            EXPECT_EQ(Checked(ID_VIEW_LARGE_ICONS + other), other == mode);
    }
    EXPECT_TRUE(Checked(ID_VIEW_COLUMN_HEADER));
    frame().OnCommand(ID_VIEW_COLUMN_HEADER);
    EXPECT_FALSE(Checked(ID_VIEW_COLUMN_HEADER));
    EXPECT_FALSE(list().IsColumnHeaderShown());
    // Disabled outside details, the command does nothing there.
    frame().OnCommand(ID_VIEW_LIST);
    EXPECT_FALSE(frame().OnCommand(ID_VIEW_COLUMN_HEADER));
    EXPECT_FALSE(list().IsColumnHeaderShown());
}

TEST_F(CommandRulesTest, SortRadioMarkFollowsTheSortMethod) {
    Open();
    EXPECT_TRUE(Checked(ID_VIEW_SORT_BY_NAME));
    frame().OnCommand(ID_VIEW_SORT_BY_DATE);
    for (int id = ID_VIEW_SORT_BY_NAME; id <= ID_VIEW_SORT_BY_ATTRIBUTES; ++id)
        EXPECT_EQ(Checked(id), id == ID_VIEW_SORT_BY_DATE) << id;
}

TEST_F(CommandRulesTest, UpOneLevelIsDisabledAtTheRootOnMenuAndButton) {
    Open();
    EXPECT_TRUE(Enabled(ID_FILE_UP));
    EXPECT_TRUE(frame().GetAddressBar()->upButton()->isEnabled());
    ASSERT_TRUE(frame().OnCommand(ID_FILE_UP));
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\"));
    EXPECT_FALSE(Enabled(ID_FILE_UP));
    EXPECT_FALSE(Enabled(ID_ADDRESS_UP));
    EXPECT_FALSE(frame().GetAddressBar()->upButton()->isEnabled());
    EXPECT_FALSE(frame().OnCommand(ID_FILE_UP));
}

TEST_F(CommandRulesTest, AnEmptyFolderCannotBeSelectedInto) {
    Open();
    frame().SetCurrentFolder(QStringLiteral("\\Temp"), true);
    EXPECT_FALSE(Enabled(ID_EDIT_SELECT_ALL));
    EXPECT_FALSE(Enabled(ID_EDIT_INVERT_SELECTION));
}

TEST_F(CommandRulesTest, MenuBarHoldsTheThreeMenusWithTheirEntriesInOrder) {
    Open();
    QStringList titles;
    for (int i = 0; i < 3; ++i)
        titles.append(frame().MenuBarPopup(i)->title());
    EXPECT_EQ(titles, QStringList({"檔案", "編輯", "檢視"}));
    auto texts = [](QMenu* menu) {
        QStringList out;
        for (QAction* action : menu->actions())
            out.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        return out;
    };
    const QStringList file = {"往上移一層",
                              "開啟新的資料匣",
                              "-",
                              "重新整理",
                              "-",
                              "檔案傾倒...",
                              "密碼",
                              "傳送接收",
                              "-",
                              "資源回收筒...",
                              "-",
                              "內容...",
                              "設定...",
                              "-",
                              "關於 File Explorer...",
                              "-",
                              "離開"};
    EXPECT_EQ(texts(frame().MenuBarPopup(0)), file);
    EXPECT_EQ(texts(frame().MenuBarPopup(1)),
              QStringList({"剪下", "複製", "貼上", "貼成捷徑", "-", "重新命名", "刪除", "-",
                           "全部選取", "反向選取", "-", "尋找檔案..."}));
    EXPECT_EQ(texts(frame().MenuBarPopup(2)),
              QStringList({"大型圖示", "小型圖示", "清單", "詳細資料", "-", "排列圖示", "-",
                           "系統資訊...", "-", "顯示資料匣位置列", "顯示資料欄位列"}));
    // The tool buttons carry their commands' ids and tooltips.
    QStringList tips;
    const int buttons[] = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_DELETE,
                           ID_FILE_RECYCLE_BIN};
    for (int id : buttons) {
        auto* button = frame().findChild<QToolButton*>(QString::number(id));
        ASSERT_TRUE(button) << id;
        tips.append(button->toolTip());
    }
    EXPECT_EQ(tips, QStringList({"剪下", "複製", "貼上", "刪除", "資源回收筒"}));
}

TEST_F(CommandRulesTest, NestedFileEntriesFollowTheSelectionWhenTheMenuOpens) {
    Open();
    FocusList();
    list().SelectRows(0);
    emit frame().MenuBarPopup(0)->aboutToShow();
    EXPECT_FALSE(frame().commands().Action(ID_FILE_ENCRYPT)->isEnabled());
    EXPECT_FALSE(frame().commands().Action(ID_FILE_SEND_MAIL)->isEnabled());
    SelectOnly({"a.txt"});
    emit frame().MenuBarPopup(0)->aboutToShow();
    EXPECT_TRUE(frame().commands().Action(ID_FILE_ENCRYPT)->isEnabled());
    EXPECT_TRUE(frame().commands().Action(ID_FILE_SEND_MAIL)->isEnabled());
}

TEST_F(CommandRulesTest, PopupMenusCarryTheirStringsAndRules) {
    Open();
    FocusList();
    SelectOnly({"a.txt", "b.txt"});
    std::unique_ptr<QMenu> menu = frame().BuildPopupMenu(CFileView::TapAndHoldMenu());
    QStringList texts;
    for (QAction* action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(texts, QStringList({"開啟", "-", "剪下", "複製", "貼上", "貼成捷徑", "-", "重新命名",
                                  "刪除", "檔案傾倒...", "-", "透過電子郵件傳送", "透過紅外線傳送",
                                  "-", "加密...", "解密...", "-", "內容..."}));
    auto* open = menu->findChild<QAction*>(QString::number(ID_FILE_OPEN_ITEM));
    auto* del = menu->findChild<QAction*>(QString::number(ID_EDIT_DELETE));
    ASSERT_TRUE(open && del);
    EXPECT_FALSE(open->isEnabled());
    EXPECT_TRUE(del->isEnabled());
}

TEST_F(CommandRulesTest, LaterCommandsRunTheirPluggedInHandlers) {
    Open();
    FocusList();
    SelectOnly({"a.txt"});
    int runs = 0;
    frame().commands().SetHandler(ID_FILE_DUMP, [&runs] { ++runs; });
    EXPECT_TRUE(frame().OnCommand(ID_FILE_DUMP));
    list().SelectRows(0);
    EXPECT_FALSE(frame().OnCommand(ID_FILE_DUMP));
    EXPECT_EQ(runs, 1);
}

TEST_F(CommandRulesTest, SelectAllAndInvertGiveTheListTheFocus) {
    Open();
    FocusTree();
    SelectOnly({"a.txt"});
    frame().OnCommand(ID_EDIT_INVERT_SELECTION);
    EXPECT_TRUE(list().HasFocusInside());
    EXPECT_EQ(list().GetSelectedRows(), QList<int>({0, 2}));
    frame().OnCommand(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(list().SelectedCount(), 3);
}

TEST_F(CommandRulesTest, AcceleratorsReachTheirCommandsFromTheList) {
    Open();
    FocusList();
    SelectOnly({"a.txt"});
    QList<int> ran;
    for (int id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        frame().commands().SetHandler(id, [&ran, id] { ran.append(id); });
    Settle();  // the idle update of the command states
    QWidget* focus = QApplication::focusWidget();
    ASSERT_TRUE(focus);
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(focus, Qt::Key_X, Qt::ControlModifier);
    // Paste is disabled without the system's data on the clipboard.
    QTest::keyClick(focus, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ran, QList<int>({ID_EDIT_COPY, ID_EDIT_CUT}));
}

}  // namespace
