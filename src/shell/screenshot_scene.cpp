#include "shell/screenshot_scene.h"

#include <QStringList>

#include "browse/file_view.h"
#include "browse/file_view_input.h"
#include "browse/list_modes.h"
#include "shell/main_frame.h"

bool ScreenshotScene::Parse(const QString& option, const QString& value) {
    if (option == QLatin1String("--view")) {
        // In the order of ViewMode.
        static const QStringList kModes = {QStringLiteral("icons"), QStringLiteral("small"),
                                           QStringLiteral("list"), QStringLiteral("details")};
        viewMode = kModes.indexOf(value);
        if (viewMode < 0) error = QStringLiteral("--view takes icons, small, list or details");
        return true;
    }
    if (option == QLatin1String("--check")) {
        bool ok = false;
        checkedRows = value.toInt(&ok);
        if (!ok || checkedRows < 0) error = QStringLiteral("--check takes a number of rows");
        return true;
    }
    return false;
}

void SetUpScreenshotList(CMainFrame& frame, const ScreenshotScene& scene) {
    CFileView& list = *frame.GetFileView();
    if (scene.viewMode >= 0) list.SetViewMode(ViewMode(scene.viewMode), true);
    if (scene.checkedRows <= 0) return;
    list.input().SetCheckMode(true);
    // Every other row, so that the checked and the unchecked show side by side.
    for (int n = 0, row = 0; n < scene.checkedRows && row < list.RowCount(); ++n, row += 2)
        list.SelectRow(row, RowSelect::Select, RowScope::Add);
}
