#include "shell/screenshot_dialog.h"

#include <QComboBox>
#include <QTimer>

#include "app/clock.h"
#include "app/load_str.h"
#include "app/message.h"
#include "app/path_helpers.h"
#include "browse/file_view.h"
#include "browse/properties_dlg.h"
#include "crypt/password_dlg.h"
#include "fileops/confirm_dlg.h"
#include "recycle/recycle_advanced_dlg.h"
#include "recycle/recycle_bin.h"
#include "recycle/recycle_bin_dlg.h"
#include "resources/ids.h"
#include "shell/about_dlg.h"
#include "shell/dialog_layout.h"
#include "shell/frame_document.h"
#include "shell/main_frame.h"
#include "shell/settings_dlg.h"
#include "tools/add_favorite_dlg.h"
#include "tools/dump_file.h"
#include "tools/edit_favorites_dlg.h"
#include "tools/file_dump_dlg.h"
#include "tools/find_file_dlg.h"
#include "tools/sys_info_dlg.h"

namespace {

std::unique_ptr<QWidget> MakeConfirm(int templateId, CMainFrame& frame) {
    auto dialog = std::make_unique<CConfirmDlg>(templateId, frame.fs(), &frame);
    // The first file of the list stands for both files of a replacement.
    QString name = QStringLiteral("a.txt");
    const CFileView& list = *frame.GetFileView();
    for (int row = 0; row < list.RowCount(); ++row) {
        if (!list.Item(row)->IsFolder()) {
            name = list.Item(row)->name;
            break;
        }
    }
    const QString path = JoinPath(frame.GetCurrentFolder(), name);
    if (templateId == IDD_CONFIRM_REPLACE) {
        dialog->SetMessage(FormatStr(IDS_FILE_EXISTS, name));
        dialog->SetExistingFile(path);
        dialog->SetNewFile(path, frame.ListIcon(name));
    } else {
        dialog->SetMessage(FormatStr(IDS_CONFIRM_DELETE_FILE, name));
    }
    dialog->Prepare();
    return dialog;
}

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

// The recycle-bin dialog over a bin of sample entries that lives as long as the dialog.
// Nothing is written to the device.
struct SampleBinHolder {
    explicit SampleBinHolder(CMainFrame& frame)
        : bin(frame.fs(), frame.settings(), frame.prompt(), clock) {
        const LocalTimeRecord time =
            LocalTimeRecord::FromDateTime(QDateTime(QDate(2026, 3, 14), QTime(9, 26)));
        bin.SetEntries(QStringLiteral("*~Recycle"),
                       {
                           {QStringLiteral("\\~Recycle\\報告.nzc"),
                            QStringLiteral("\\My Documents\\報告.txt"), time, 15360, 0x20},
                           {QStringLiteral("\\~Recycle\\Photos.nzc"),
                            QStringLiteral("\\My Documents\\Photos"), time, 1572864, 0x10},
                           {QStringLiteral("\\~Recycle\\notes.nzc"),
                            QStringLiteral("\\Temp\\notes.doc"), time, 812, 0x20},
                       });
    }
    Clock clock;
    RecycleBin bin;
};

class SampleRecycleBinDlg : private SampleBinHolder, public CRecycleBinDlg {
public:
    explicit SampleRecycleBinDlg(CMainFrame& frame)
        : SampleBinHolder(frame), CRecycleBinDlg(frame, bin, true, 0) {}
};

}  // namespace

namespace {

std::unique_ptr<QWidget> MakeSample(int templateId, CMainFrame& frame) {
    switch (templateId) {
        case IDD_ABOUT:
            return std::make_unique<CAboutDlg>(&frame);
        case IDD_CONFIRM:
        case IDD_CONFIRM_REPLACE:
            return MakeConfirm(templateId, frame);
        case IDD_PROPERTIES:
            return std::make_unique<CPropertiesDlg>(frame, true, &frame);
        case IDD_SETTINGS: {
            CFileView& list = *frame.GetFileView();
            return std::make_unique<CSettingsDlg>(
                ListSettings::From(list.listing(), list.tapAction()), frame.shell(), &frame);
        }
        case IDD_RECYCLE_BIN:
            return std::make_unique<SampleRecycleBinDlg>(frame);
        case IDD_RECYCLE_ADVANCED:
            return std::make_unique<CRecycleAdvancedDlg>(16, true, 2, &frame);
        case IDD_PASSWORD:
            return std::make_unique<CPasswordDlg>(frame.prompt(), CPasswordDlg::kEncrypt, &frame);
        case IDD_ADD_FAVORITE:
            return std::make_unique<CAddFavoriteDlg>(QStringLiteral("My Documents"),
                                                     QStringLiteral("\\My Documents"), &frame);
        case IDD_EDIT_FAVORITES: {
            // A picture works on a document of its own: nothing of this is saved.
            FavoritesList& favorites = frame.GetDocument().favorites();
            if (favorites.Count() == 0) {
                favorites.AddFavorite(QStringLiteral("My Documents"),
                                      QStringLiteral("\\My Documents"));
                favorites.AddFavorite(QStringLiteral("Programs"),
                                      QStringLiteral("\\Windows\\Start Menu\\Programs"));
                favorites.AddFavorite(QStringLiteral("\\"), QStringLiteral("\\"));
            }
            return std::make_unique<CEditFavoritesDlg>(favorites, &frame);
        }
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

}  // namespace

std::unique_ptr<QWidget> MakeScreenshotDialog(int templateId, CMainFrame& frame) {
    std::unique_ptr<QWidget> dialog = MakeSample(templateId, frame);
    if (!dialog) return dialog;
    // As the dialog would open on a screen of the picture's size.
    QWidget* widget = dialog.get();
    QTimer::singleShot(0, widget, [widget, &frame] {
        widget->resize(
            DialogSizeFor(*widget, frame.size()).expandedTo(widget->size()).boundedTo(frame.size()));
    });
    return dialog;
}
