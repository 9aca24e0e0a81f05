#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>

#include "browse/file_view_input.h"
#include "resources/ids.h"
#include "shell/accessible_names.h"
#include "shell/command_table.h"
#include "shell/frame_fixture.h"
#include "shell/screenshot_dialog.h"
#include "shell/settings_dlg.h"
#include "support/dialog_controls.h"

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

// When a change refills the list is tested in list_settings_test.cpp; this checks the wiring.
TEST_F(FrameTest, SettingsShowTheListsValuesAndOkAppliesThem) {
    device.Make({"\\My Documents\\a.txt=a", "\\My Documents\\b.doc=b"});
    Open();
    frame().SetDialogRunner([](QDialog& dialog) {
        auto* combo = Control<QComboBox>(dialog, IDC_FILTER_COMBO);
        EXPECT_TRUE(Control<QCheckBox>(dialog, IDC_HIDE_HIDDEN_FILES)->isChecked());
        EXPECT_FALSE(combo->isEnabled());
        Control<QCheckBox>(dialog, IDC_SHOW_ONLY_MATCHING)->click();
        EXPECT_TRUE(combo->isEnabled());
        combo->setEditText(QStringLiteral("txt"));
        return Click(dialog, IDOK);
    });
    frame().OnCommand(ID_FILE_SETTINGS);
    Settle();
    EXPECT_EQ(RowNames(), QStringList({"a.txt"}));
}

// The controls the keyboard reaches in the shown window that have no name, or keep a "&".
QStringList Unnamed(QWidget& window) {
    const QList<QWidget*> widgets = window.findChildren<QWidget*>();
    QStringList unnamed;
    for (QWidget* w : widgets) {
        const QString name = w->accessibleName().trimmed();
        if (w->window() == &window && w->isVisible() && IsNamedControl(*w) &&
            (name.isEmpty() || name.contains(QLatin1Char('&'))))
            unnamed.append(w->objectName() + QLatin1Char(' ') + w->metaObject()->className());
    }
    return unnamed;
}

// Named as the application names them when shown: the main window and every dialog.
TEST_F(FrameTest, EveryControlOfEveryWindowHasAnAccessibleName) {
    InstallControlNaming(*qApp);
    device.Make({"\\report.txt=text", "\\My Documents\\report.txt=text"});
    EXPECT_EQ(Unnamed(Open()), QStringList());
    for (int id : {IDD_ABOUT, IDD_CONFIRM, IDD_CONFIRM_REPLACE, IDD_PROPERTIES, IDD_SETTINGS,
                   IDD_RECYCLE_BIN, IDD_RECYCLE_ADVANCED, IDD_PASSWORD, IDD_ADD_FAVORITE,
                   IDD_EDIT_FAVORITES, IDD_FIND_FILES, IDD_FILE_DUMP, IDD_SYSTEM_INFO}) {
        const std::unique_ptr<QWidget> dialog = MakeScreenshotDialog(id, frame());
        ASSERT_TRUE(dialog) << id;
        dialog->show();
        Settle();
        EXPECT_EQ(Unnamed(*dialog), QStringList()) << "dialog " << id;
    }
}

}  // namespace
