#include "shell/screenshot_dialog.h"

#include <QComboBox>
#include <QTimer>

#include "resources/ids.h"
#include "shell/about_dlg.h"
#include "shell/frame_document.h"
#include "shell/main_frame.h"
#include "tools/dump_file.h"
#include "tools/file_dump_dlg.h"
#include "tools/find_file_dlg.h"
#include "tools/sys_info_dlg.h"

namespace {

// Dialogs of the handheld fill its screen: the size the frame is given for the picture.
std::unique_ptr<QWidget> FillScreen(std::unique_ptr<QWidget> dialog, CMainFrame& frame) {
    QWidget* widget = dialog.get();
    QTimer::singleShot(0, widget, [widget, &frame] { widget->resize(frame.size()); });
    return dialog;
}

// Every file of the device's root matched: a search with results to show.
std::unique_ptr<QWidget> FindFilesSample(CMainFrame& frame) {
    auto dialog = std::make_unique<CFindFileDlg>(frame.fs(), frame.settings(), frame.shell(),
                                                 frame.GetDocument().iconCache(), &frame);
    auto* pattern = dialog->findChild<QComboBox*>(QString::number(IDC_FIND_PATTERN));
    auto* folder = dialog->findChild<QComboBox*>(QString::number(IDC_FIND_FOLDER));
    pattern->setEditText(QStringLiteral("*.*"));
    folder->setCurrentIndex(0);
    dialog->OnStartSearch();
    return FillScreen(std::move(dialog), frame);
}

// The largest file of the current folder, for a full page; none when it holds no file.
std::unique_ptr<QWidget> FileDumpSample(CMainFrame& frame) {
    CFileView* view = frame.GetFileView();
    int largest = -1;
    for (int row = 0; row < view->RowCount(); ++row) {
        const FileItem* item = view->Item(row);
        if (item && !item->IsFolder() && (largest < 0 || item->size > view->Item(largest)->size))
            largest = row;
    }
    QString path;
    if (largest < 0 || !view->GetItemPath(largest, &path)) return nullptr;
    std::unique_ptr<DumpFile> file = DumpFile::Open(frame.fs(), path, frame.prompt());
    if (!file) return nullptr;
    return FillScreen(std::make_unique<CFileDumpDlg>(std::move(file), &frame), frame);
}

}  // namespace

std::unique_ptr<QWidget> MakeScreenshotDialog(int templateId, CMainFrame& frame) {
    switch (templateId) {
        case IDD_ABOUT:
            return std::make_unique<CAboutDlg>(&frame);
        case IDD_FIND_FILES:
            return FindFilesSample(frame);
        case IDD_FILE_DUMP:
            return FileDumpSample(frame);
        case IDD_SYSTEM_INFO:
            return FillScreen(
                std::make_unique<CSysInfoDlg>(frame.fs(), GatherSystemFigures(frame.fs()), &frame),
                frame);
        default:
            return nullptr;
    }
}
