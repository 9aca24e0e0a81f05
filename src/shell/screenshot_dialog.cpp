#include "shell/screenshot_dialog.h"

#include "app/load_str.h"
#include "app/message.h"
#include "app/path_helpers.h"
#include "browse/file_view.h"
#include "browse/properties_dlg.h"
#include "crypt/password_dlg.h"
#include "fileops/confirm_dlg.h"
#include "recycle/recycle_advanced_dlg.h"
#include "recycle/recycle_bin_sample.h"
#include "resources/ids.h"
#include "shell/about_dlg.h"
#include "shell/frame_document.h"
#include "shell/main_frame.h"
#include "shell/settings_dlg.h"
#include "tools/add_favorite_dlg.h"
#include "tools/edit_favorites_dlg.h"

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

}  // namespace

std::unique_ptr<QWidget> MakeScreenshotDialog(int templateId, CMainFrame& frame) {
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
            return MakeRecycleBinSample(frame);
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
        default:
            return nullptr;
    }
}
