#include "resources/ids.h"
#include "shell/accessible_names.h"
#include "shell/frame_fixture.h"
#include "shell/screenshot_dialog.h"

// The controls the keyboard reaches in the shown window that have no name, or keep a "&".
static QStringList Unnamed(QWidget& window) {
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
