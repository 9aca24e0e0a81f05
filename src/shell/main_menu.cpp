#include "shell/main_menu.h"

#include <QtGlobal>

#include "resources/ids.h"

namespace {

using E = MenuTemplateEntry;

constexpr MenuTemplateEntry kMainMenu[] = {
    {E::Popup, IDS_MENU_FILE, nullptr},
    {E::Item, ID_FILE_UP, QT_TRANSLATE_NOOP("MainMenu", "往上移一層")},
    {E::Item, ID_FILE_NEW_FOLDER, QT_TRANSLATE_NOOP("MainMenu", "開啟新的資料匣")},
    {E::Separator, 0, nullptr},
    {E::Item, ID_FILE_REFRESH, QT_TRANSLATE_NOOP("MainMenu", "重新整理")},
    {E::Separator, 0, nullptr},
    {E::Item, ID_FILE_DUMP, QT_TRANSLATE_NOOP("MainMenu", "檔案傾倒...")},
    {E::Popup, 0, QT_TRANSLATE_NOOP("MainMenu", "密碼")},
    {E::Item, ID_FILE_ENCRYPT, QT_TRANSLATE_NOOP("MainMenu", "加密...")},
    {E::Item, ID_FILE_DECRYPT, QT_TRANSLATE_NOOP("MainMenu", "解密...")},
    {E::End, 0, nullptr},
    {E::Popup, 0, QT_TRANSLATE_NOOP("MainMenu", "傳送接收")},
    {E::Item, ID_FILE_SEND_MAIL, QT_TRANSLATE_NOOP("MainMenu", "透過電子郵件傳送...")},
    {E::Item, ID_FILE_SEND_INFRARED, QT_TRANSLATE_NOOP("MainMenu", "透過紅外線傳送...")},
    {E::Item, ID_FILE_RECEIVE_INFRARED, QT_TRANSLATE_NOOP("MainMenu", "透過紅外線接收...")},
    {E::End, 0, nullptr},
    {E::Separator, 0, nullptr},
    {E::Item, ID_FILE_RECYCLE_BIN, QT_TRANSLATE_NOOP("MainMenu", "資源回收筒...")},
    {E::Separator, 0, nullptr},
    {E::Item, ID_FILE_PROPERTIES, QT_TRANSLATE_NOOP("MainMenu", "內容...")},
    {E::Item, ID_FILE_SETTINGS, QT_TRANSLATE_NOOP("MainMenu", "設定...")},
    {E::Separator, 0, nullptr},
    {E::Item, ID_APP_ABOUT, QT_TRANSLATE_NOOP("MainMenu", "關於 File Explorer...")},
    {E::Separator, 0, nullptr},
    {E::Item, ID_FILE_EXIT, QT_TRANSLATE_NOOP("MainMenu", "離開")},
    {E::End, 0, nullptr},

    {E::Popup, IDS_MENU_EDIT, nullptr},
    {E::Item, ID_EDIT_CUT, QT_TRANSLATE_NOOP("MainMenu", "剪下")},
    {E::Item, ID_EDIT_COPY, QT_TRANSLATE_NOOP("MainMenu", "複製")},
    {E::Item, ID_EDIT_PASTE, QT_TRANSLATE_NOOP("MainMenu", "貼上")},
    {E::Item, ID_EDIT_PASTE_SHORTCUT, QT_TRANSLATE_NOOP("MainMenu", "貼成捷徑")},
    {E::Separator, 0, nullptr},
    {E::Item, ID_EDIT_RENAME, QT_TRANSLATE_NOOP("MainMenu", "重新命名")},
    {E::Item, ID_EDIT_DELETE, QT_TRANSLATE_NOOP("MainMenu", "刪除")},
    {E::Separator, 0, nullptr},
    {E::Item, ID_EDIT_SELECT_ALL, QT_TRANSLATE_NOOP("MainMenu", "全部選取")},
    {E::Item, ID_EDIT_INVERT_SELECTION, QT_TRANSLATE_NOOP("MainMenu", "反向選取")},
    {E::Separator, 0, nullptr},
    {E::Item, ID_EDIT_FIND_FILES, QT_TRANSLATE_NOOP("MainMenu", "尋找檔案...")},
    {E::End, 0, nullptr},

    {E::Popup, IDS_MENU_VIEW, nullptr},
    {E::Item, ID_VIEW_LARGE_ICONS, QT_TRANSLATE_NOOP("MainMenu", "大型圖示")},
    {E::Item, ID_VIEW_SMALL_ICONS, QT_TRANSLATE_NOOP("MainMenu", "小型圖示")},
    {E::Item, ID_VIEW_LIST, QT_TRANSLATE_NOOP("MainMenu", "清單")},
    {E::Item, ID_VIEW_DETAILS, QT_TRANSLATE_NOOP("MainMenu", "詳細資料")},
    {E::Separator, 0, nullptr},
    {E::Popup, 0, QT_TRANSLATE_NOOP("MainMenu", "排列圖示")},
    {E::Item, ID_VIEW_SORT_BY_NAME, QT_TRANSLATE_NOOP("MainMenu", "依名稱")},
    {E::Item, ID_VIEW_SORT_BY_SIZE, QT_TRANSLATE_NOOP("MainMenu", "依大小")},
    {E::Item, ID_VIEW_SORT_BY_DATE, QT_TRANSLATE_NOOP("MainMenu", "依日期")},
    {E::Item, ID_VIEW_SORT_BY_TYPE, QT_TRANSLATE_NOOP("MainMenu", "依類型")},
    {E::Item, ID_VIEW_SORT_BY_ATTRIBUTES, QT_TRANSLATE_NOOP("MainMenu", "依屬性")},
    {E::End, 0, nullptr},
    {E::Separator, 0, nullptr},
    {E::Item, ID_VIEW_SYSTEM_INFO, QT_TRANSLATE_NOOP("MainMenu", "系統資訊...")},
    {E::Separator, 0, nullptr},
    {E::Item, ID_VIEW_ADDRESS_BAR, QT_TRANSLATE_NOOP("MainMenu", "顯示資料匣位置列")},
    {E::Item, ID_VIEW_COLUMN_HEADER, QT_TRANSLATE_NOOP("MainMenu", "顯示資料欄位列")},
    {E::End, 0, nullptr},
};

constexpr ToolButtonTemplate kToolButtons[] = {
    {ID_EDIT_CUT, IDS_TOOLTIP_CUT, "nuvio-tool-cut"},
    {ID_EDIT_COPY, IDS_TOOLTIP_COPY, "nuvio-tool-copy"},
    {ID_EDIT_PASTE, IDS_TOOLTIP_PASTE, "nuvio-tool-paste"},
    {ID_EDIT_DELETE, IDS_TOOLTIP_DELETE, "nuvio-tool-delete"},
    {ID_FILE_RECYCLE_BIN, IDS_TOOLTIP_RECYCLE_BIN, "nuvio-6014"},
};

}  // namespace

std::span<const MenuTemplateEntry> MainMenuTemplate() {
    return kMainMenu;
}

std::span<const ToolButtonTemplate> MainToolButtons() {
    return kToolButtons;
}
