#include "shell/screenshot_dialog.h"

#include "resources/ids.h"
#include "shell/about_dlg.h"
#include "shell/main_frame.h"

std::unique_ptr<QWidget> MakeScreenshotDialog(int templateId, CMainFrame& frame) {
    switch (templateId) {
        case IDD_ABOUT:
            return std::make_unique<CAboutDlg>(&frame);
        default:
            return nullptr;
    }
}
