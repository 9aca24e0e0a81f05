#include <QLineEdit>

#include "resources/ids.h"
#include "shell/frame_fixture.h"

namespace {

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
