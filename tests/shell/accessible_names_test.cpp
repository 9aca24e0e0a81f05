#include "resources/ids.h"
#include "shell/accessible_names.h"
#include "shell/frame_fixture.h"
#include "shell/screenshot_dialog.h"

namespace {

// The controls of the shown window the keyboard reaches that have no name, or a name that
// still holds an accelerator's "&" or a label's colon.
QStringList BadlyNamed(QWidget& window) {
    QStringList bad;
    const QList<QWidget*> widgets = window.findChildren<QWidget*>() << &window;
    for (QWidget* widget : widgets) {
        if (widget->window() != &window || !widget->isVisible() || !IsNamedControl(*widget)) {
            continue;
        }
        const QString name = widget->accessibleName().trimmed();
        if (name.isEmpty() || name.contains(QLatin1Char('&')) || name.endsWith(QLatin1Char(':'))) {
            bad.append(widget->objectName() + QLatin1Char(' ') + widget->metaObject()->className() +
                       QLatin1Char(' ') + name);
        }
    }
    return bad;
}

class AccessibleNamesTest : public FrameTest {};

}  // namespace

// Named as the application names them, when each window is shown: the main window and every
// dialog, opened without blocking.
TEST_F(AccessibleNamesTest, EveryControlOfEveryWindowHasAName) {
    InstallControlNaming(*qApp);
    device.Make({"\\report.txt=text", "\\My Documents\\report.txt=text"});
    CMainFrame& window = Open();
    EXPECT_EQ(BadlyNamed(window), QStringList());
    for (int id : {IDD_ABOUT, IDD_CONFIRM, IDD_CONFIRM_REPLACE, IDD_PROPERTIES, IDD_SETTINGS,
                   IDD_RECYCLE_BIN, IDD_RECYCLE_ADVANCED, IDD_PASSWORD, IDD_ADD_FAVORITE,
                   IDD_EDIT_FAVORITES, IDD_FIND_FILES, IDD_FILE_DUMP, IDD_SYSTEM_INFO}) {
        std::unique_ptr<QWidget> dialog = MakeScreenshotDialog(id, window);
        ASSERT_TRUE(dialog) << id;
        dialog->show();
        Settle();
        EXPECT_EQ(BadlyNamed(*dialog), QStringList()) << "dialog " << id;
    }
}
