#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>

#include "app/path_helpers.h"
#include "app/settings_store.h"
#include "browse/file_header_view.h"
#include "browse/file_list_model.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"

namespace {

class FileViewTest : public FrameTest {
protected:
    QString Text(int row, int column) {
        return list().model()->index(row, column).data().toString();
    }

    QLineEdit* Editor() { return list().ActiveView()->viewport()->findChild<QLineEdit*>(); }

    // Clicks a header section by its logical column.
    void ClickHeader(int column) {
        QHeaderView* header = list().header();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
        Settle();
    }
};

TEST_F(FileViewTest, NewFolderTakesTheNextFreeNumberAndStartsItsRename) {
    device.Make({"\\My Documents\\新資料匣\\", "\\My Documents\\新資料匣 (2)\\",
                 "\\My Documents\\z.txt=z"});
    Open();
    FocusTree();
    ASSERT_TRUE(frame().OnCommand(ID_FILE_NEW_FOLDER));
    EXPECT_TRUE(device.Exists(QStringLiteral("\\My Documents\\新資料匣 (3)")));
    const int row = list().RowCount() - 1;
    EXPECT_EQ(list().Item(row)->name, QStringLiteral("新資料匣 (3)"));
    EXPECT_EQ(list().GetSelectedRows(), QList<int>({row}));
    EXPECT_TRUE(list().HasFocusInside());
    EXPECT_EQ(shell.inputPanelCalls, QList<bool>({true}));

    Settle();
    QLineEdit* editor = Editor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->text(), QStringLiteral("新資料匣 (3)"));
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("Reports"));
    QTest::keyClick(editor, Qt::Key_Return);
    Settle();
    EXPECT_TRUE(device.Exists(QStringLiteral("\\My Documents\\Reports")));
    EXPECT_FALSE(device.Exists(QStringLiteral("\\My Documents\\新資料匣 (3)")));
    EXPECT_EQ(list().Item(row)->name, QStringLiteral("Reports"));
    EXPECT_EQ(shell.inputPanelCalls.last(), false);
    // The tree's folder follows the new name.
    QStringList children;
    QTreeWidgetItem* docs = tree().currentItem();
    for (int i = 0; i < docs->childCount(); ++i)
        children.append(docs->child(i)->text(0));
    EXPECT_TRUE(children.contains(QStringLiteral("Reports")));
    EXPECT_FALSE(children.contains(QStringLiteral("新資料匣 (3)")));
    EXPECT_TRUE(prompt.messages.isEmpty());
}

TEST_F(FileViewTest, RenameTakesRoomForTheEditorInTheListPane) {
    device.Make({"\\My Documents\\a.txt=a"});
    Open(QSize(240, 320));
    frame().splitter()->setSizes({250, 20});
    Settle();
    list().BeginRename(0);
    Settle();
    EXPECT_GE(frame().splitter()->sizes()[1], CFileView::kMinimumRenameHeight);
    EXPECT_TRUE(Editor());
}

TEST_F(FileViewTest, RenameConflictsAreReportedAndChangeNothing) {
    device.Make({"\\My Documents\\a.txt=a", "\\My Documents\\b.txt=b", "\\My Documents\\A1\\",
                 "\\My Documents\\B1\\"});
    Open();
    const int file = list().FindRowByName(QStringLiteral("a.txt"));
    EXPECT_FALSE(list().RenameItem(file, QStringLiteral("b.txt")));
    ASSERT_EQ(prompt.messages.size(), 1);
    EXPECT_EQ(prompt.messages[0].text,
              QStringLiteral("重新命名失敗 !\n這個叫做 'b.txt' 的檔案已經存在."));
    EXPECT_EQ(prompt.messages[0].style, MB_ICONEXCLAMATION);

    const int folder = list().FindRowByName(QStringLiteral("A1"));
    EXPECT_FALSE(list().RenameItem(folder, QStringLiteral("b1")));
    ASSERT_EQ(prompt.messages.size(), 2);
    EXPECT_EQ(prompt.messages[1].text,
              QStringLiteral("重新命名失敗 ! \n資料匣已經存在 !\n請使用不同的名稱."));

    // A separator in the name would move the entry: refused.
    EXPECT_FALSE(list().RenameItem(file, QStringLiteral("A1\\x.txt")));
    EXPECT_EQ(prompt.messages.last().text, QStringLiteral("重新命名失敗 !"));
    EXPECT_EQ(RowNames(), QStringList({"A1", "B1", "a.txt", "b.txt"}));
    EXPECT_TRUE(device.Exists(QStringLiteral("\\My Documents\\a.txt")));
}

TEST_F(FileViewTest, RenamingToAnotherExtensionChangesTheType) {
    device.Make({"\\My Documents\\a.txt=a"});
    Open();
    EXPECT_EQ(Text(0, FileListModel::kType), QStringLiteral("Text Document"));
    ASSERT_TRUE(list().RenameItem(0, QStringLiteral("a.jpg")));
    EXPECT_EQ(Text(0, FileListModel::kName), QStringLiteral("a.jpg"));
    EXPECT_EQ(Text(0, FileListModel::kType), QStringLiteral("JPEG Image"));
}

TEST_F(FileViewTest, HeaderTapsSortAndMoveTheMark) {
    device.Make({"\\My Documents\\small.txt#10", "\\My Documents\\big.txt#3000",
                 "\\My Documents\\mid.txt#500"});
    Open();
    FileHeaderView* header = list().header();
    EXPECT_EQ(header->markColumn(), 0);
    EXPECT_EQ(header->mark(), FileHeaderView::kMarkDown);
    EXPECT_EQ(RowNames(), QStringList({"big.txt", "mid.txt", "small.txt"}));

    ClickHeader(FileListModel::kSize);
    EXPECT_EQ(list().listing().sortMethod(), 1);
    EXPECT_EQ(header->markColumn(), 1);
    EXPECT_EQ(header->mark(), FileHeaderView::kMarkUp);
    EXPECT_EQ(RowNames(), QStringList({"small.txt", "mid.txt", "big.txt"}));

    ClickHeader(FileListModel::kSize);
    EXPECT_EQ(header->markColumn(), 1);
    EXPECT_EQ(header->mark(), FileHeaderView::kMarkDown);
    EXPECT_EQ(RowNames(), QStringList({"big.txt", "mid.txt", "small.txt"}));
}

TEST_F(FileViewTest, SortingKeepsTheSelectionOnItsEntries) {
    device.Make({"\\My Documents\\a.txt#10", "\\My Documents\\b.txt#3000"});
    Open();
    list().SelectRow(list().FindRowByName(QStringLiteral("a.txt")), true, true, false);
    frame().OnCommand(ID_VIEW_SORT_BY_SIZE);
    ASSERT_EQ(list().SelectedCount(), 1);
    EXPECT_EQ(list().Item(list().GetFirstSelected())->name, QStringLiteral("a.txt"));
}

TEST_F(FileViewTest, SwitchingModesKeepsTheColumnWidthsTheUserSet) {
    device.Make({"\\My Documents\\a.txt=a"});
    Open();
    EXPECT_EQ(list().header()->sectionSize(FileListModel::kSize), 50);
    list().header()->resizeSection(FileListModel::kName, 150);
    frame().OnCommand(ID_VIEW_LIST);
    EXPECT_EQ(list().ActiveView(), list().iconView());
    EXPECT_EQ(list().iconView()->viewMode(), QListView::ListMode);
    EXPECT_EQ(device.settings().GetInt(IDS_SECTION_FILEVIEW, IDS_KEY_NAME_WIDTH), 150);
    frame().OnCommand(ID_VIEW_DETAILS);
    EXPECT_EQ(list().ActiveView(), list().detailsView());
    EXPECT_EQ(list().header()->sectionSize(FileListModel::kName), 150);
}

TEST_F(FileViewTest, StartingInAnotherModeAppliesStoredWidthsOnTheWayToDetails) {
    device.settings().SetProfileIntById(IDS_SECTION_MAIN, IDS_KEY_FILE_VIEW_MODE, 0);
    device.settings().SetProfileIntById(IDS_SECTION_FILEVIEW, IDS_KEY_TYPE_WIDTH, 77);
    Open();
    EXPECT_EQ(list().iconView()->viewMode(), QListView::IconMode);
    frame().OnCommand(ID_VIEW_DETAILS);
    EXPECT_EQ(list().header()->sectionSize(FileListModel::kType), 77);
}

TEST_F(FileViewTest, ColumnOrderIsRestoredOnlyWhenWhole) {
    device.settings().SetProfileTextById(IDS_SECTION_FILEVIEW, IDS_KEY_COLUMN_ORDER,
                                         QStringLiteral("4;3;2;1;0;"));
    Open();
    EXPECT_EQ(list().header()->logicalIndex(0), 4);
    EXPECT_EQ(list().header()->logicalIndex(4), 0);

    for (const char* text : {";", "9;x;", "0;0;1;2;3;", "1;0;"}) {
        Close();
        device.settings().SetProfileTextById(IDS_SECTION_FILEVIEW, IDS_KEY_COLUMN_ORDER,
                                             QString::fromLatin1(text));
        Open();
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(list().header()->logicalIndex(i), i) << text;
    }
    list().header()->moveSection(0, 2);
    list().SaveSettings();
    EXPECT_EQ(device.settings().GetText(IDS_SECTION_FILEVIEW, IDS_KEY_COLUMN_ORDER),
              QStringLiteral("1;2;0;3;4;"));
}

TEST_F(FileViewTest, ListSettingsSurviveARestart) {
    device.Make({"\\My Documents\\a.txt=a"});
    Open();
    frame().OnCommand(ID_VIEW_SMALL_ICONS);
    frame().OnCommand(ID_VIEW_SORT_BY_DATE);
    list().SetTapAction(1);
    Open();
    EXPECT_EQ(list().viewMode(), 1);
    EXPECT_EQ(list().listing().sortMethod(), 2);
    EXPECT_TRUE(list().listing().directionFlag());
    EXPECT_EQ(list().tapAction(), 1);
}

TEST_F(FileViewTest, ModelPassesTheModelTesterThroughEveryRowOperation) {
    device.Make({"\\My Documents\\a.txt=a", "\\My Documents\\b.jpg=b", "\\My Documents\\Sub\\"});
    Open();
    QAbstractItemModelTester tester(list().model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    list().FillList();
    device.Make({"\\My Documents\\c.txt=c"});
    FindData record;
    ASSERT_TRUE(PathExists(device.fs(), QStringLiteral("\\My Documents\\c.txt"), &record));
    EXPECT_EQ(list().InsertItem(record, 1), 1);
    EXPECT_EQ(RowNames(), QStringList({"Sub", "c.txt", "a.txt", "b.jpg"}));
    list().RefreshRow(1, true);
    frame().OnCommand(ID_VIEW_SORT_BY_TYPE);
    list().SelectRows(1);
    ASSERT_TRUE(device.fs().DeleteFile(QStringLiteral("\\My Documents\\a.txt")));
    list().RemoveRows(false);
    EXPECT_EQ(list().RowCount(), 3);
    EXPECT_EQ(list().FindRowByName(QStringLiteral("a.txt")), -1);
    EXPECT_TRUE(list().DeleteRow(list().FindRowByName(QStringLiteral("c.txt")), true));
    EXPECT_FALSE(device.Exists(QStringLiteral("\\My Documents\\c.txt")));
    list().RemoveRows(true);
    EXPECT_EQ(list().RowCount(), 0);
}

TEST_F(FileViewTest, OnlyRowsOnScreenAreTyped) {
    QStringList files;
    for (int i = 0; i < 3000; ++i)
        files.append(QStringLiteral("\\Temp\\f%1.txt").arg(i, 5, 10, QLatin1Char('0')));
    device.Make(files);
    Open();
    for (int mode : {ID_VIEW_DETAILS, ID_VIEW_LIST, ID_VIEW_LARGE_ICONS}) {
        frame().OnCommand(mode);
        shell.typeQueries.clear();
        frame().SetCurrentFolder(QStringLiteral("\\Temp"), true);
        Settle();
        EXPECT_EQ(list().RowCount(), 3000);
        EXPECT_GT(shell.typeQueries.size(), 0) << mode;
        EXPECT_LT(shell.typeQueries.size(), 300) << mode;
        frame().SetCurrentFolder(QStringLiteral("\\My Documents"), true);
    }
}

TEST_F(FileViewTest, DraggingFromARowSelectsTheRowsItCrosses) {
    QStringList files;
    for (int i = 0; i < 8; ++i)
        files.append(QStringLiteral("\\My Documents\\f%1.txt=x").arg(i));
    device.Make(files);
    Open();
    QWidget* viewport = list().ActiveView()->viewport();
    const QPoint start = RowCenter(1);
    QTest::mousePress(viewport, Qt::LeftButton, {}, start);
    QTest::mouseMove(viewport, RowCenter(3));
    QTest::mouseMove(viewport, RowCenter(4));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, RowCenter(4));
    Settle();
    EXPECT_EQ(list().GetSelectedRows(), QList<int>({1, 2, 3, 4}));
    // Nothing opened on the way.
    EXPECT_TRUE(shell.openedFiles.isEmpty());

    // Back up again: the rows left behind are deselected.
    QTest::mousePress(viewport, Qt::LeftButton, {}, RowCenter(5));
    QTest::mouseMove(viewport, RowCenter(4));
    QTest::mouseMove(viewport, RowCenter(3));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, RowCenter(3));
    EXPECT_EQ(list().GetSelectedRows(), QList<int>({3, 4, 5}));
}

TEST_F(FileViewTest, DraggingFromEmptySpaceSelectsNothing) {
    device.Make({"\\My Documents\\a.txt=a", "\\My Documents\\b.txt=b"});
    Open();
    list().SetTapAction(1);
    QWidget* viewport = list().ActiveView()->viewport();
    const QPoint empty(20, viewport->height() - 10);
    QTest::mousePress(viewport, Qt::LeftButton, {}, empty);
    QTest::mouseMove(viewport, RowCenter(1));
    QTest::mouseMove(viewport, RowCenter(0));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, RowCenter(0));
    EXPECT_EQ(list().SelectedCount(), 0);
}

TEST_F(FileViewTest, DraggingBelowTheListScrollsItDown) {
    QStringList files;
    for (int i = 0; i < 60; ++i)
        files.append(QStringLiteral("\\My Documents\\f%1.txt=x").arg(i, 2, 10, QLatin1Char('0')));
    device.Make(files);
    Open(QSize(240, 320));
    QAbstractItemView* view = list().ActiveView();
    QWidget* viewport = view->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, RowCenter(0));
    const int before = view->verticalScrollBar()->value();
    QTest::mouseMove(viewport, QPoint(20, viewport->height() + 10));
    QTest::mouseMove(viewport, QPoint(20, viewport->height() + 12));
    EXPECT_GT(view->verticalScrollBar()->value(), before);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(20, viewport->height() + 12));
    EXPECT_GE(list().SelectedCount(), 2);
    EXPECT_TRUE(list().GetSelectedRows().contains(0));
}

TEST_F(FileViewTest, OneTapOpensWithTapActionZeroADoubleTapWithOne) {
    device.Make({"\\My Documents\\Sub\\", "\\My Documents\\a.txt=a"});
    Open();
    QWidget* viewport = list().ActiveView()->viewport();
    // Beside the rows nothing happens.
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(20, viewport->height() - 5));
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\My Documents"));

    QTest::mouseClick(viewport, Qt::LeftButton, {}, RowCenter(1));
    EXPECT_EQ(shell.openedFiles, QStringList({"\\My Documents\\a.txt"}));
    EXPECT_EQ(list().GetSelectedRows(), QList<int>({1}));

    list().SetTapAction(1);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, RowCenter(0));
    Settle();
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\My Documents"));
    EXPECT_EQ(list().GetSelectedRows(), QList<int>({0}));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, RowCenter(0));
    Settle();
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\My Documents\\Sub"));
    EXPECT_EQ(tree().GetSelectedText(), QStringLiteral("Sub"));
}

TEST_F(FileViewTest, ASecondTapAndHoldWhileTheMenuIsUpOpensNoOtherMenu) {
    device.Make({"\\My Documents\\a.txt=a"});
    Open();
    int menusSeen = 0;
    bool showingInside = false;
    QTimer::singleShot(0, [&] {
        showingInside = list().IsMenuShowing();
        list().ShowTapAndHoldMenu(QPoint(30, 30));  // returns at once
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMenu*>(widget) && widget->isVisible()) ++menusSeen;
        }
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    list().ShowTapAndHoldMenu(QPoint(30, 30));
    EXPECT_TRUE(showingInside);
    EXPECT_EQ(menusSeen, 1);
    EXPECT_FALSE(list().IsMenuShowing());
    EXPECT_TRUE(list().HasFocusInside());
}

TEST_F(FileViewTest, SelectionSizeCountsWholeTreesIn64Bits) {
    device.Make({"\\My Documents\\a.bin#1000", "\\My Documents\\Sub\\b.bin#3000",
                 "\\My Documents\\Sub\\Deep\\c.bin#500"});
    Open();
    EXPECT_EQ(list().GetSelectionSize(), 0u);
    list().SelectRows(1);
    EXPECT_EQ(list().GetSelectionSize(), 4500u);
}

}  // namespace
