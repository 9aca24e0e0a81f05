#include "shell/screenshot_dialog.h"

#include "crypt/password_dlg.h"
#include "recycle/recycle_advanced_dlg.h"
#include "recycle/recycle_bin_sample.h"
#include "resources/ids.h"
#include "shell/about_dlg.h"
#include "shell/frame_document.h"
#include "shell/main_frame.h"
#include "tools/add_favorite_dlg.h"
#include "tools/edit_favorites_dlg.h"

std::unique_ptr<QWidget> MakeScreenshotDialog(int templateId, CMainFrame& frame) {
    switch (templateId) {
        case IDD_ABOUT:
            return std::make_unique<CAboutDlg>(&frame);
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
