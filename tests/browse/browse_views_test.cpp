#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QCheckBox>
#include <QDataStream>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>

#include "browse/file_header_view.h"
#include "browse/file_list_model.h"
#include "browse/file_view_input.h"
#include "browse/properties_dlg.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/dialog_controls.h"

namespace {

// Every test's row operations (fill, sort, insert, rename, delete) run under the model tester.
class FileViewTest : public FrameTest {
protected:
    CMainFrame& Open(QSize size = QSize(480, 640)) {
        CMainFrame& opened = FrameTest::Open(size);
        tester_ = std::make_unique<QAbstractItemModelTester>(
            list().model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        return opened;
    }

    // Clicks a header section by its logical column.
    void ClickHeader(int column) {
        QHeaderView* header = list().header();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
        Settle();
    }

    std::unique_ptr<QAbstractItemModelTester> tester_;
};

class FolderTreeTest : public FrameTest {
protected:
    QTreeWidgetItem* Find(const QString& path) {
        QTreeWidgetItem* item = tree().TopItem();
        for (const QString& name : path.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
            QTreeWidgetItem* next = nullptr;
            for (int i = 0; item && i < item->childCount() && !next; ++i)
                if (item->child(i)->text(0) == name) next = item->child(i);
            item = next;
        }
        return item;
    }

    static QStringList Children(QTreeWidgetItem* item) {
        QStringList names;
        for (int i = 0; item && i < item->childCount(); ++i)
            names.append(item->child(i)->text(0));
        return names;
    }

    static bool HasButton(QTreeWidgetItem* item) {
        return item->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator ||
               item->childCount() > 0;
    }
};

TEST_F(FileViewTest, NewFolderTakesTheNextFreeNumberAndStartsItsRename) {
    device.Make({"\\My Documents\\新資料匣\\", "\\My Documents\\z.txt=z"});
    Open();
    FocusTree();
    ASSERT_TRUE(frame().OnCommand(ID_FILE_NEW_FOLDER));
    const int row = list().RowCount() - 1;
    EXPECT_EQ(list().GetSelectedRows(), QList<int>({row}));
    EXPECT_TRUE(list().HasFocusInside());

    Settle();
    auto* editor = list().ActiveView()->viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->text(), QStringLiteral("新資料匣 (2)"));
    editor->setText(QStringLiteral("Reports"));
    QTest::keyClick(editor, Qt::Key_Return);
    Settle();
    EXPECT_TRUE(device.Exists(QStringLiteral("\\My Documents\\Reports")));
    EXPECT_EQ(list().Item(row)->name, QStringLiteral("Reports"));
    EXPECT_EQ(shell.inputPanelCalls, QList<bool>({true, false}));
    // The tree's folder follows the new name.
    QTreeWidgetItem* docs = tree().currentItem();
    EXPECT_TRUE(docs->child(0)->text(0) == "Reports" || docs->child(1)->text(0) == "Reports");
    EXPECT_TRUE(list().RefreshRow(row, true));
    EXPECT_TRUE(list().DeleteRow(list().FindRowByName("z.txt"), true));  // under the tester
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

// A stylus tap opens with tap action 0, a double tap with 1; a drag from a row selects the rows
// it crosses and deselects those it backs off, opening nothing.
TEST_F(FileViewTest, StylusTapsOpenAndDragsSelect) {
    device.Make({"\\My Documents\\Sub\\"});
    for (int i = 0; i < 7; ++i)
        device.File(QStringLiteral("\\My Documents\\f%1.txt").arg(i), "x");
    Open();
    QWidget* viewport = list().ActiveView()->viewport();
    auto drag = [&](int from, int to) {
        QTest::mousePress(viewport, Qt::LeftButton, {}, RowCenter(from));
        for (int row = from; row != to;)
            QTest::mouseMove(viewport, RowCenter(row += from < to ? 1 : -1));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, RowCenter(to));
        Settle();
        return list().GetSelectedRows();
    };
    EXPECT_EQ(drag(1, 4), QList<int>({1, 2, 3, 4}));
    EXPECT_EQ(drag(5, 3), QList<int>({3, 4, 5}));
    EXPECT_TRUE(shell.openedFiles.isEmpty());

    QTest::mouseClick(viewport, Qt::LeftButton, {}, RowCenter(1));
    EXPECT_EQ(shell.openedFiles, QStringList({"\\My Documents\\f0.txt"}));
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

// A finger swipe scrolls and selects nothing; a finger's long press starts the check mode,
// where taps toggle rows, the count shows and commands take the checked rows.
TEST_F(FileViewTest, FingersScrollAndCheckRowsInTheCheckMode) {
    QStringList files;
    for (int i = 0; i < 40; ++i)
        files.append(QStringLiteral("\\My Documents\\f%1.txt=x").arg(i, 2, 10, QLatin1Char('0')));
    device.Make(files);
    Open(QSize(240, 320));
    QAbstractItemView* view = list().ActiveView();
    QWidget* viewport = view->viewport();
    QPointingDevice* finger = QTest::createTouchDevice();
    QPoint at = viewport->rect().center() + QPoint(0, 40);
    QTest::touchEvent(viewport, finger).press(0, at);
    for (int step = 0; step < 8; ++step) {
        QTest::qWait(15);
        at.ry() -= 12;
        QTest::touchEvent(viewport, finger).move(0, at);
    }
    QTest::touchEvent(viewport, finger).release(0, at);
    QTest::qWait(400);
    EXPECT_GT(view->verticalScrollBar()->value(), 0);
    EXPECT_EQ(list().SelectedCount(), 0);
    EXPECT_TRUE(shell.openedFiles.isEmpty());

    view->verticalScrollBar()->setValue(0);
    list().input().LongPress(view, RowCenter(0), true);
    EXPECT_TRUE(list().input().checkMode());
    QTest::mouseClick(viewport, Qt::LeftButton, {}, RowCenter(2));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, RowCenter(3));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, RowCenter(0));
    EXPECT_EQ(list().GetSelectedRows(), QList<int>({2, 3}));
    EXPECT_TRUE(shell.openedFiles.isEmpty());
    EXPECT_TRUE(list().findChild<QLabel*>("checkCount")->text().contains(QLatin1Char('2')));
    ASSERT_TRUE(frame().OnCommand(ID_EDIT_DELETE));
    EXPECT_FALSE(device.Exists(QStringLiteral("\\My Documents\\f02.txt")));
    EXPECT_FALSE(device.Exists(QStringLiteral("\\My Documents\\f03.txt")));
    list().findChild<QToolButton*>("checkDone")->click();
    EXPECT_FALSE(list().input().checkMode());
}

// Large icons show a picture's thumbnail once the event loop has made it; a broken picture
// and one too large to decode keep their type icon.
TEST_F(FileViewTest, PicturesGetThumbnailsAfterTheEventLoopRuns) {
    QImage red(64, 48, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    red.save(&buffer, "PNG");
    // A bitmap's header that claims 30000 x 30000 pixels.
    QByteArray huge(54, '\0');
    QDataStream header(&huge, QIODevice::WriteOnly);
    header.setByteOrder(QDataStream::LittleEndian);
    header << quint16(0x4d42) << quint32(54) << quint32(0) << quint32(54) << quint32(40)
           << qint32(30000) << qint32(30000) << quint16(1) << quint16(24);
    device.File(QStringLiteral("\\My Documents\\a.png"), png);
    device.File(QStringLiteral("\\My Documents\\broken.jpg"), "not a picture");
    device.File(QStringLiteral("\\My Documents\\huge.bmp"), huge);
    Open();
    list().SetViewMode(ViewMode::LargeIcons, true);
    auto isRed = [&](const QString& name) {
        const QModelIndex index = list().model()->index(list().FindRowByName(name), 0);
        const QImage shown = index.data(Qt::DecorationRole).value<QIcon>().pixmap(32).toImage();
        return !shown.isNull() && shown.pixelColor(shown.rect().center()) == QColor(Qt::red);
    };
    EXPECT_FALSE(isRed("a.png"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return isRed("a.png"); }, 1000));
    for (const char* name : {"broken.jpg", "huge.bmp"}) {
        const QModelIndex index = list().model()->index(list().FindRowByName(name), 0);
        EXPECT_FALSE(index.data(Qt::DecorationRole).value<QIcon>().isNull()) << name;
    }
}

// Escape out of a menu gives the focus back to the pane.
TEST_F(FileViewTest, KeysMoveThroughFoldersAndActOnTheSelection) {
    device.Make({"\\My Documents\\Sub\\a.txt=a", "\\My Documents\\b.txt=b"});
    Open();
    FocusList();
    QMenu* edit = frame().MenuBarPopup(1);
    frame().menuBar()->setActiveAction(edit->menuAction());
    Settle();
    ASSERT_TRUE(edit->isVisible());
    QTest::keyClick(edit, Qt::Key_Escape);
    Settle();
    EXPECT_TRUE(list().HasFocusInside());
    auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        Settle();  // the command states follow the selection when idle
        QTest::keyClick(list().ActiveView(), key, modifiers);
        Settle();
        return frame().GetCurrentFolder();
    };
    list().SelectRow(list().FindRowByName("Sub"), RowSelect::Select, RowScope::Alone);
    EXPECT_EQ(press(Qt::Key_Return), QStringLiteral("\\My Documents\\Sub"));
    EXPECT_EQ(press(Qt::Key_Up, Qt::AltModifier), QStringLiteral("\\My Documents"));
    EXPECT_EQ(press(Qt::Key_Left, Qt::AltModifier), QStringLiteral("\\My Documents\\Sub"));
    EXPECT_EQ(press(Qt::Key_Right, Qt::AltModifier), QStringLiteral("\\My Documents"));
    EXPECT_EQ(press(Qt::Key_Backspace), QStringLiteral("\\"));
    press(Qt::Key_Left, Qt::AltModifier);
    list().SelectRow(list().FindRowByName("b.txt"), RowSelect::Select, RowScope::Alone);
    press(Qt::Key_Delete);
    EXPECT_FALSE(device.Exists(QStringLiteral("\\My Documents\\b.txt")));
    list().SelectRow(list().FindRowByName("Sub"), RowSelect::Select, RowScope::Alone);
    press(Qt::Key_F2);
    EXPECT_TRUE(list().ActiveView()->viewport()->findChild<QLineEdit*>());
}

// The summary's texts and counts are tested in format_test.cpp. A change that did
// not happen (here the ROM file's, which the device refuses) is said.
TEST_F(FileViewTest, PropertiesShowTheSelectionAndReportAChangeThatDidNotHappen) {
    device.Make({"\\My Documents\\a.txt#1536", "\\My Documents\\rom.txt=r"});
    device.SetRawAttributes("\\My Documents\\rom.txt", Attr::kInRom);
    device.settings().SetProfileIntById(IDS_SECTION_FILEVIEW, IDS_KEY_HIDE_ROM_FILE, 0);
    Open();
    SelectNames({"a.txt"});
    int runs = 0;
    frame().SetDialogRunner([&runs](QDialog& dialog) {
        ++runs;
        EXPECT_TRUE(qobject_cast<CPropertiesDlg*>(&dialog));
        EXPECT_EQ(Control<QLabel>(dialog, IDC_PROPERTIES_NAME)->text(), "a.txt");
        EXPECT_EQ(Control<QLabel>(dialog, IDC_PROPERTIES_SIZE)->text(), " 1.5KB (1536 位元組)");
        EXPECT_TRUE(Control<QCheckBox>(dialog, IDC_ATTR_READ_ONLY)->isEnabled());
        EXPECT_FALSE(Control<QCheckBox>(dialog, IDC_ATTR_ROM)->isEnabled());
        return int(QDialog::Rejected);
    });
    frame().OnCommand(ID_FILE_PROPERTIES);

    SelectNames({"a.txt", "rom.txt"});
    frame().SetDialogRunner([&runs](QDialog& dialog) {
        ++runs;
        Control<QCheckBox>(dialog, IDC_ATTR_HIDDEN)->click();
        dialog.accept();
        return int(QDialog::Accepted);
    });
    frame().OnCommand(ID_FILE_PROPERTIES);
    EXPECT_TRUE(*device.fs().GetAttributes("\\My Documents\\a.txt") & Attr::kHidden);
    EXPECT_EQ(prompt.MessageIds(), QList<int>({IDS_CANNOT_SET_ATTRIBUTES}));
    EXPECT_EQ(runs, 2);
}

// Folders not opened are not listed but show whether they could be; collapsing forgets the
// sub folders, expanding and refreshing read them again.
TEST_F(FolderTreeTest, ListsLazilyAndRereadsOnExpandAndRefresh) {
    device.Make({"\\My Documents\\b\\deep\\", "\\My Documents\\A\\", "\\My Documents\\x.txt=x",
                 "\\Windows\\Fonts\\"});
    Open();
    EXPECT_EQ(Children(tree().TopItem()), QStringList({"My Documents", "Temp", "Windows"}));
    EXPECT_EQ(tree().GetSelectedText(), QStringLiteral("My Documents"));
    EXPECT_EQ(Children(Find("\\My Documents")), QStringList({"A", "b"}));
    QTreeWidgetItem* windows = Find("\\Windows");
    EXPECT_EQ(windows->childCount(), 0);
    EXPECT_TRUE(HasButton(windows));
    EXPECT_TRUE(HasButton(Find("\\My Documents\\b")));
    EXPECT_EQ(NTreeView::ItemImage(Find("\\My Documents")), NTreeView::kOpenFolder);
    EXPECT_EQ(NTreeView::ItemImage(windows), NTreeView::kClosedFolder);

    windows->setExpanded(true);
    device.Folder(QStringLiteral("\\Windows\\Help"));
    windows->setExpanded(false);
    EXPECT_EQ(windows->childCount(), 0);
    windows->setExpanded(true);
    EXPECT_EQ(Children(windows), QStringList({"Fonts", "Help"}));

    frame().SetCurrentFolder(QStringLiteral("\\Temp"), true);
    QTreeWidgetItem* temp = Find("\\Temp");
    EXPECT_FALSE(HasButton(temp));
    device.Folder(QStringLiteral("\\Temp\\New"));
    frame().OnCommand(ID_FILE_REFRESH);
    EXPECT_TRUE(HasButton(temp));
    ASSERT_TRUE(device.fs().RemoveDirectory(QStringLiteral("\\Temp\\New")));
    frame().OnCommand(ID_FILE_REFRESH);
    EXPECT_EQ(temp->childCount(), 0);
}

// Syncing only moves the tree (a missing folder stops at its deepest ancestor; one made after
// its level was listed reads the level again); selecting navigates. The tree's commands act
// on the folder it highlights, even when the list shows another.
TEST_F(FolderTreeTest, SyncMovesTheTreeSelectingNavigatesAndCommandsActOnTheHighlight) {
    device.Make({"\\Windows\\a.txt=a", "\\Windows\\Fonts\\"});
    Open();
    ASSERT_TRUE(tree().SyncToPath(QStringLiteral("\\windows\\fonts\\Missing")));
    EXPECT_EQ(tree().GetSelectedText(), QStringLiteral("Fonts"));
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\My Documents"));
    EXPECT_TRUE(tree().navigationEnabled());
    tree().setCurrentItem(Find("\\Windows"));
    Settle();
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\Windows"));
    EXPECT_EQ(RowNames(), QStringList({"Fonts", "a.txt"}));
    EXPECT_EQ(frame().GetAddressBar()->History().first(), QStringLiteral("\\Windows"));

    device.Make({"\\My Documents\\New\\x.txt=x"});
    ASSERT_TRUE(frame().SetCurrentFolder(QStringLiteral("\\My Documents\\New"), true));
    EXPECT_EQ(tree().SelectedPath(), QStringLiteral("\\My Documents\\New"));
    ASSERT_TRUE(frame().SetCurrentFolder(QStringLiteral("\\Temp"), false));
    FocusTree();
    ASSERT_TRUE(frame().OnCommand(ID_EDIT_DELETE));
    Settle();
    EXPECT_FALSE(device.Exists(QStringLiteral("\\My Documents\\New")));
    EXPECT_TRUE(device.Exists(QStringLiteral("\\Temp")));
    EXPECT_TRUE(Children(Find("\\My Documents")).isEmpty());
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\My Documents"));
}

TEST_F(FolderTreeTest, RenamingInPlaceMovesTheFolderAndTheWindow) {
    device.Make({"\\Temp\\Old\\a.txt=a"});
    Open();
    frame().SetCurrentFolder(QStringLiteral("\\Temp\\Old"), true);
    FocusTree();
    ASSERT_TRUE(frame().OnCommand(ID_EDIT_RENAME));
    Settle();
    auto* editor = tree().viewport()->findChild<QLineEdit*>();
    ASSERT_TRUE(editor);
    editor->setText(QStringLiteral("New"));
    QTest::keyClick(editor, Qt::Key_Return);
    Settle();
    EXPECT_TRUE(device.Exists(QStringLiteral("\\Temp\\New\\a.txt")));
    EXPECT_EQ(tree().GetSelectedText(), QStringLiteral("New"));
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\Temp\\New"));
    // The list's rows now lie in the renamed folder.
    QString path;
    ASSERT_TRUE(list().GetItemPath(0, &path));
    EXPECT_EQ(path, QStringLiteral("\\Temp\\New\\a.txt"));
}

// Other programs' changes show without a refresh: the list keeps its selection, the tree its
// open levels and highlight; a folder renamed under the list takes the list along.
TEST_F(FolderTreeTest, ListAndTreeFollowChangesMadeByOtherPrograms) {
    device.Make({"\\My Documents\\b.txt=b", "\\My Documents\\Old\\", "\\Windows\\Fonts\\Big\\",
                 "\\Windows\\Help\\"});
    Open();
    Find("\\Windows")->setExpanded(true);
    Find("\\Windows\\Fonts")->setExpanded(true);
    list().SelectRow(list().FindRowByName("b.txt"), RowSelect::Select, RowScope::Alone);
    Settle();
    device.Make({"\\My Documents\\a.txt=a", "\\Apps\\"});
    ASSERT_TRUE(device.fs().RemoveDirectory(QStringLiteral("\\My Documents\\Old")));
    ASSERT_TRUE(device.fs().MoveFile(QStringLiteral("\\Windows\\Fonts"),
                                     QStringLiteral("\\Windows\\Glyphs")));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return Find("\\Windows\\Glyphs") && Find("\\Apps") && RowNames().size() == 2;
    }));
    EXPECT_EQ(RowNames(), QStringList({"a.txt", "b.txt"}));
    EXPECT_EQ(list().GetSelectedRows(), QList<int>({1}));
    EXPECT_EQ(Children(tree().TopItem()), QStringList({"Apps", "My Documents", "Temp", "Windows"}));
    EXPECT_TRUE(Children(Find("\\My Documents")).isEmpty());
    EXPECT_EQ(Children(Find("\\Windows")), QStringList({"Glyphs", "Help"}));
    EXPECT_TRUE(Find("\\Windows\\Glyphs")->isExpanded());
    EXPECT_EQ(Children(Find("\\Windows\\Glyphs")), QStringList({"Big"}));
    EXPECT_EQ(tree().SelectedPath(), QStringLiteral("\\My Documents"));

    ASSERT_TRUE(frame().SetCurrentFolder(QStringLiteral("\\Windows\\Glyphs\\Big"), true));
    ASSERT_TRUE(device.fs().MoveFile(QStringLiteral("\\Windows\\Glyphs\\Big"),
                                     QStringLiteral("\\Windows\\Glyphs\\Bold")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Find("\\Windows\\Glyphs\\Bold"); }));
    EXPECT_EQ(tree().SelectedPath(), QStringLiteral("\\Windows\\Glyphs\\Bold"));
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\Windows\\Glyphs\\Bold"));
}

}  // namespace
