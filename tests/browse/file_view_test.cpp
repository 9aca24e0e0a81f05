#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>

#include "app/path_helpers.h"
#include "browse/file_header_view.h"
#include "browse/file_list_model.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"

namespace {

class FileViewTest : public FrameTest {
protected:
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
    EXPECT_EQ(list().GetSelectedRows(), QList<int>({row}));
    EXPECT_TRUE(list().HasFocusInside());

    Settle();
    auto* editor = list().ActiveView()->viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->text(), QStringLiteral("新資料匣 (3)"));
    editor->setText(QStringLiteral("Reports"));
    QTest::keyClick(editor, Qt::Key_Return);
    Settle();
    EXPECT_TRUE(device.Exists(QStringLiteral("\\My Documents\\Reports")));
    EXPECT_EQ(list().Item(row)->name, QStringLiteral("Reports"));
    EXPECT_EQ(shell.inputPanelCalls, QList<bool>({true, false}));
    // The tree's folder follows the new name.
    QTreeWidgetItem* docs = tree().currentItem();
    QStringList children;
    for (int i = 0; i < docs->childCount(); ++i)
        children.append(docs->child(i)->text(0));
    EXPECT_TRUE(children.contains(QStringLiteral("Reports")));
}

TEST_F(FileViewTest, HeaderTapsSortAndMoveTheMark) {
    device.Make({"\\My Documents\\small.txt#10", "\\My Documents\\big.txt#3000",
                 "\\My Documents\\mid.txt#500"});
    Open();
    FileHeaderView* header = list().header();
    EXPECT_EQ(header->markColumn(), 0);
    ClickHeader(FileListModel::kSize);
    EXPECT_EQ(header->markColumn(), 1);
    EXPECT_EQ(header->mark(), FileHeaderView::kMarkUp);
    EXPECT_EQ(RowNames(), QStringList({"small.txt", "mid.txt", "big.txt"}));
    ClickHeader(FileListModel::kSize);
    EXPECT_EQ(header->mark(), FileHeaderView::kMarkDown);
    EXPECT_EQ(RowNames(), QStringList({"big.txt", "mid.txt", "small.txt"}));
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
    list().RefreshRow(1, true);
    frame().OnCommand(ID_VIEW_SORT_BY_TYPE);
    list().SelectRows(1);
    ASSERT_TRUE(device.fs().DeleteFile(QStringLiteral("\\My Documents\\a.txt")));
    list().RemoveRows(false);
    EXPECT_EQ(list().RowCount(), 3);
    EXPECT_TRUE(list().DeleteRow(list().FindRowByName(QStringLiteral("c.txt")), true));
    list().RemoveRows(true);
    EXPECT_EQ(list().RowCount(), 0);
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

TEST_F(FileViewTest, OneTapOpensWithTapActionZeroADoubleTapWithOne) {
    device.Make({"\\My Documents\\Sub\\", "\\My Documents\\a.txt=a"});
    Open();
    QWidget* viewport = list().ActiveView()->viewport();
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
}

}  // namespace
