#include "app/settings_defaults.h"

#include "resources/ids.h"

namespace {

constexpr SettingDefault Number(int section, int key, int value) {
    return {section, key, false, value, nullptr};
}
constexpr SettingDefault Text(int section, int key, const char16_t* value) {
    return {section, key, true, 0, value};
}

constexpr SettingDefault kDefaults[] = {
    Text(IDS_SECTION_MAIN, IDS_KEY_WORK_DIRECTORY, u"\\My Documents"),
    Text(IDS_SECTION_MAIN, IDS_KEY_COMMAND_FILE, u""),
    Number(IDS_SECTION_MAIN, IDS_KEY_SHOW_ADDRESS_BAR, 1),
    Number(IDS_SECTION_MAIN, IDS_KEY_VIEW_HEIGHT, 100),
    Number(IDS_SECTION_MAIN, IDS_KEY_SHOW_COLUMN_HEADER, 1),
    Number(IDS_SECTION_MAIN, IDS_KEY_FILE_VIEW_MODE, 3),
    Number(IDS_SECTION_MAIN, IDS_KEY_SORT_METHOD, 0),
    Number(IDS_SECTION_MAIN, IDS_KEY_ASCENDING, 0),
    Number(IDS_SECTION_FILEVIEW, IDS_KEY_TAB_ACTION, 0),
    Number(IDS_SECTION_FILEVIEW, IDS_KEY_SHOW_SPECIFY_FILE, 0),
    Text(IDS_SECTION_FILEVIEW, IDS_KEY_FILTER_STRING, u"*"),
    Number(IDS_SECTION_FILEVIEW, IDS_KEY_HIDE_HIDDEN_FILE, 1),
    Number(IDS_SECTION_FILEVIEW, IDS_KEY_HIDE_ROM_FILE, 1),
    Number(IDS_SECTION_FILEVIEW, IDS_KEY_HIDE_SYSTEM_EXT, 1),
    Text(IDS_SECTION_FILEVIEW, IDS_KEY_COLUMN_ORDER, u";"),
    Number(IDS_SECTION_FILEVIEW, IDS_KEY_NAME_WIDTH, 100),
    Number(IDS_SECTION_FILEVIEW, IDS_KEY_SIZE_WIDTH, 50),
    Number(IDS_SECTION_FILEVIEW, IDS_KEY_DATE_WIDTH, 100),
    Number(IDS_SECTION_FILEVIEW, IDS_KEY_TYPE_WIDTH, 100),
    Number(IDS_SECTION_FILEVIEW, IDS_KEY_ATTR_WIDTH, 50),
    Number(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_ENABLE, 1),
    Number(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_POS, 1),
    Text(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_PATH, u"*"),
    Number(IDS_SECTION_RECYCLEBIN, IDS_KEY_MAX_CAPACITY, 16),
    Number(IDS_SECTION_RECYCLEBIN, IDS_KEY_ENABLE_CAPACITY, 0),
    Number(IDS_SECTION_RECYCLEBIN, IDS_KEY_LIFETIME, 0),
    Number(IDS_SECTION_RECYCLEBIN, IDS_KEY_LIFETIME_MONTH, 0),
    Number(IDS_SECTION_RECYCLEBIN, IDS_KEY_LIFETIME_DAY, 0),
    Text(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD, u"\\"),
    Number(IDS_SECTION_RECYCLEBIN, IDS_KEY_NAME_WIDTH, 100),
    Number(IDS_SECTION_RECYCLEBIN, IDS_KEY_PATH_WIDTH, 150),
    Number(IDS_SECTION_RECYCLEBIN, IDS_KEY_DATE_WIDTH, 100),
    Number(IDS_SECTION_RECYCLEBIN, IDS_KEY_SIZE_WIDTH, 50),
    Number(IDS_SECTION_RECYCLEBIN, IDS_KEY_TYPE_WIDTH, 100),
    Text(IDS_SECTION_RECYCLEBIN, IDS_KEY_COLUMN_ORDER, u";"),
};

}  // namespace

const SettingDefault* FindSettingDefault(int section, int key) {
    for (const SettingDefault& d : kDefaults) {
        if (d.section == section && d.key == key) return &d;
    }
    return nullptr;
}
