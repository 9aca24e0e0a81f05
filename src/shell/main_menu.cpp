#include "shell/main_menu.h"

#include "resources/ids.h"

namespace {

using E = MenuTemplateEntry;

constexpr MenuTemplateEntry kMainMenu[] = {
    {E::Popup, IDS_MENU_FILE, nullptr},
    {E::Item, ID_FILE_UP, u"往上移一層"},
    {E::Item, ID_FILE_NEW_FOLDER, u"開啟新的資料匣"},
    {E::Separator, 0, nullptr},
    {E::Item, ID_FILE_REFRESH, u"重新整理"},
    {E::Separator, 0, nullptr},
    {E::Item, ID_FILE_DUMP, u"檔案傾倒..."},
    {E::Popup, 0, u"密碼"},
    {E::Item, ID_FILE_ENCRYPT, u"加密..."},
    {E::Item, ID_FILE_DECRYPT, u"解密..."},
    {E::End, 0, nullptr},
    {E::Popup, 0, u"傳送接收"},
    {E::Item, ID_FILE_SEND_MAIL, u"透過電子郵件傳送..."},
    {E::Item, ID_FILE_SEND_INFRARED, u"透過紅外線傳送..."},
    {E::Item, ID_FILE_RECEIVE_INFRARED, u"透過紅外線接收..."},
    {E::End, 0, nullptr},
    {E::Separator, 0, nullptr},
    {E::Item, ID_FILE_RECYCLE_BIN, u"資源回收筒..."},
    {E::Separator, 0, nullptr},
    {E::Item, ID_FILE_PROPERTIES, u"內容..."},
    {E::Item, ID_FILE_SETTINGS, u"設定..."},
    {E::Separator, 0, nullptr},
    {E::Item, ID_APP_ABOUT, u"關於 File Explorer..."},
    {E::Separator, 0, nullptr},
    {E::Item, ID_FILE_EXIT, u"離開"},
    {E::End, 0, nullptr},

    {E::Popup, IDS_MENU_EDIT, nullptr},
    {E::Item, ID_EDIT_CUT, u"剪下"},
    {E::Item, ID_EDIT_COPY, u"複製"},
    {E::Item, ID_EDIT_PASTE, u"貼上"},
    {E::Item, ID_EDIT_PASTE_SHORTCUT, u"貼成捷徑"},
    {E::Separator, 0, nullptr},
    {E::Item, ID_EDIT_RENAME, u"重新命名"},
    {E::Item, ID_EDIT_DELETE, u"刪除"},
    {E::Separator, 0, nullptr},
    {E::Item, ID_EDIT_SELECT_ALL, u"全部選取"},
    {E::Item, ID_EDIT_INVERT_SELECTION, u"反向選取"},
    {E::Separator, 0, nullptr},
    {E::Item, ID_EDIT_FIND_FILES, u"尋找檔案..."},
    {E::End, 0, nullptr},

    {E::Popup, IDS_MENU_VIEW, nullptr},
    {E::Item, ID_VIEW_LARGE_ICONS, u"大型圖示"},
    {E::Item, ID_VIEW_SMALL_ICONS, u"小型圖示"},
    {E::Item, ID_VIEW_LIST, u"清單"},
    {E::Item, ID_VIEW_DETAILS, u"詳細資料"},
    {E::Separator, 0, nullptr},
    {E::Popup, 0, u"排列圖示"},
    {E::Item, ID_VIEW_SORT_BY_NAME, u"依名稱"},
    {E::Item, ID_VIEW_SORT_BY_SIZE, u"依大小"},
    {E::Item, ID_VIEW_SORT_BY_DATE, u"依日期"},
    {E::Item, ID_VIEW_SORT_BY_TYPE, u"依類型"},
    {E::Item, ID_VIEW_SORT_BY_ATTRIBUTES, u"依屬性"},
    {E::End, 0, nullptr},
    {E::Separator, 0, nullptr},
    {E::Item, ID_VIEW_SYSTEM_INFO, u"系統資訊..."},
    {E::Separator, 0, nullptr},
    {E::Item, ID_VIEW_ADDRESS_BAR, u"顯示資料匣位置列"},
    {E::Item, ID_VIEW_COLUMN_HEADER, u"顯示資料欄位列"},
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
