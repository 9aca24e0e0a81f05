#pragma once

// Numbers of every command, control, dialog, icon, bitmap, string and private message.
// The values are fixed: settings, menus and the string table are keyed by them.

// Main frame resources: menu bar, its menus, tool buttons and the document template.
inline constexpr int IDR_MAINFRAME = 2;

// Dialog templates.
inline constexpr int IDD_ABOUT = 3;
inline constexpr int IDD_ADDRESS_BAR = 6000;
inline constexpr int IDD_CONFIRM = 6001;
inline constexpr int IDD_CONFIRM_REPLACE = 6002;
inline constexpr int IDD_SETTINGS = 6004;
inline constexpr int IDD_SYSTEM_INFO = 6005;
inline constexpr int IDD_ADD_FAVORITE = 6007;
inline constexpr int IDD_EDIT_FAVORITES = 6008;
inline constexpr int IDD_RECYCLE_BIN = 6009;
inline constexpr int IDD_FIND_FILES = 6010;
inline constexpr int IDD_PROPERTIES = 6011;
inline constexpr int IDD_RECYCLE_ADVANCED = 6015;
inline constexpr int IDD_PASSWORD = 6016;
inline constexpr int IDD_FILE_DUMP = 6017;

// Icons.
inline constexpr int IDI_FOLDER = 4001;
inline constexpr int IDI_FILE = 4002;
inline constexpr int IDI_PROGRAM = 4003;
inline constexpr int IDI_SORT_UP = 4004;
inline constexpr int IDI_SORT_DOWN = 4005;
inline constexpr int IDI_CONFIRM = 4006;
inline constexpr int IDI_MULTIPLE_FILES = 4007;
inline constexpr int IDI_DEVICE = 6013;
inline constexpr int IDI_RECYCLE_BIN = 6014;

// Bitmaps.
inline constexpr int IDB_MAIN_TOOLBAR = 2;
inline constexpr int IDB_TREE_IMAGES = 3000;
inline constexpr int IDB_ADDRESS_BUTTONS = 3001;

// File menu commands.
inline constexpr int ID_FILE_EXIT = 32774;
inline constexpr int ID_FILE_UP = 32775;
inline constexpr int ID_FILE_NEW_FOLDER = 32776;
inline constexpr int ID_FILE_SETTINGS = 32793;
inline constexpr int ID_FILE_REFRESH = 32794;
inline constexpr int ID_FILE_SEND_MAIL = 32796;
inline constexpr int ID_FILE_SEND_INFRARED = 32797;
inline constexpr int ID_FILE_RECEIVE_INFRARED = 32798;
inline constexpr int ID_FILE_RECYCLE_BIN = 32807;
inline constexpr int ID_FILE_OPEN_ITEM = 32808;
inline constexpr int ID_FILE_PROPERTIES = 32809;
inline constexpr int ID_FILE_ENCRYPT = 32810;
inline constexpr int ID_FILE_DECRYPT = 32811;
inline constexpr int ID_FILE_DUMP = 32812;
// Our own: the check mode of the file list, where taps toggle rows.
inline constexpr int ID_EDIT_CHECK_MODE = 32813;
// Our own, in the find results' menu: the folder of a result, with the result selected.
inline constexpr int ID_FIND_GO_TO_FOLDER = 32814;
inline constexpr int ID_APP_ABOUT = 57664;

// Edit menu commands.
inline constexpr int ID_EDIT_DELETE = 32790;
inline constexpr int ID_EDIT_RENAME = 32791;
inline constexpr int ID_EDIT_INVERT_SELECTION = 32792;
inline constexpr int ID_EDIT_PASTE_SHORTCUT = 32795;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_FIND_FILES = 57636;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_SELECT_ALL = 57642;

// View menu commands.
inline constexpr int ID_VIEW_LARGE_ICONS = 32783;
inline constexpr int ID_VIEW_SMALL_ICONS = 32784;
inline constexpr int ID_VIEW_LIST = 32785;
inline constexpr int ID_VIEW_DETAILS = 32786;
inline constexpr int ID_VIEW_ADDRESS_BAR = 32788;
inline constexpr int ID_VIEW_COLUMN_HEADER = 32789;
inline constexpr int ID_VIEW_SYSTEM_INFO = 32799;
inline constexpr int ID_VIEW_SORT_BY_NAME = 32802;
inline constexpr int ID_VIEW_SORT_BY_SIZE = 32803;
inline constexpr int ID_VIEW_SORT_BY_DATE = 32804;
inline constexpr int ID_VIEW_SORT_BY_TYPE = 32805;
inline constexpr int ID_VIEW_SORT_BY_ATTRIBUTES = 32806;

// Favourites commands; a favourite's command is ID_FAVORITE_FIRST + its position.
inline constexpr int ID_FAVORITE_ADD = 32800;
inline constexpr int ID_FAVORITE_EDIT = 32801;
inline constexpr int ID_FAVORITE_FIRST = 33001;
inline constexpr int ID_FAVORITE_LAST = 33101;

// Commands of the two buttons of the address bar.
inline constexpr int ID_ADDRESS_UP = 10001;
inline constexpr int ID_ADDRESS_FAVORITES = 10023;

// Framework document commands reached only through accelerators.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_APP_EXIT = 57665;

// Address bar controls.
inline constexpr int IDC_ADDRESS_TOOLBAR = 3001;
inline constexpr int IDC_ADDRESS_BAR = 6000;
inline constexpr int IDC_ADDRESS_COMBO = 10000;

// Confirmation dialog controls (IDD_CONFIRM, IDD_CONFIRM_REPLACE).
inline constexpr int IDC_CONFIRM_MESSAGE = 10003;
inline constexpr int IDC_CONFIRM_ALL = 10004;
inline constexpr int IDC_EXISTING_SIZE = 10005;
inline constexpr int IDC_EXISTING_DATE = 10006;
inline constexpr int IDC_NEW_SIZE = 10007;
inline constexpr int IDC_NEW_DATE = 10008;
inline constexpr int IDC_EXISTING_ICON_FRAME = 10009;
inline constexpr int IDC_NEW_ICON_FRAME = 10010;

// Settings dialog controls.
inline constexpr int IDC_HIDE_HIDDEN_FILES = 10011;
inline constexpr int IDC_HIDE_ROM_FILES = 10012;
inline constexpr int IDC_SHOW_ONLY_MATCHING = 10013;
inline constexpr int IDC_FILTER_COMBO = 10014;
inline constexpr int IDC_HIDE_SYSTEM_EXTENSIONS = 10016;
inline constexpr int IDC_DOUBLE_TAP_TO_OPEN = 10031;

// System information dialog controls.
inline constexpr int IDC_PROGRAM_MEMORY_TOTAL = 10017;
inline constexpr int IDC_PROGRAM_MEMORY_FREE = 10018;
inline constexpr int IDC_STORAGE_MEMORY_TOTAL = 10019;
inline constexpr int IDC_STORAGE_MEMORY_FREE = 10020;
inline constexpr int IDC_CARD_TOTAL = 10021;
inline constexpr int IDC_CARD_FREE = 10022;
inline constexpr int IDC_CARD_LIST = 10096;

// Favourites dialog controls (add and edit).
inline constexpr int IDC_FAVORITE_NAME = 10024;
inline constexpr int IDC_FAVORITE_FOLDER = 10025;
inline constexpr int IDC_FAVORITES_LIST = 10026;
inline constexpr int IDC_FAVORITE_RENAME = 10027;
inline constexpr int IDC_FAVORITE_DELETE = 10028;
inline constexpr int IDC_FAVORITE_MOVE_UP = 10029;
inline constexpr int IDC_FAVORITE_MOVE_DOWN = 10030;

// Properties dialog controls.
inline constexpr int IDC_PROPERTIES_NAME = 10032;
inline constexpr int IDC_PROPERTIES_LOCATION = 10033;
inline constexpr int IDC_PROPERTIES_SIZE = 10034;
inline constexpr int IDC_PROPERTIES_CONTENTS = 10035;
inline constexpr int IDC_PROPERTIES_CREATED = 10036;
inline constexpr int IDC_PROPERTIES_MODIFIED = 10037;
inline constexpr int IDC_PROPERTIES_ICON_FRAME = 10038;
inline constexpr int IDC_PROPERTIES_ACCESSED = 10039;
inline constexpr int IDC_PROPERTIES_BAR_1 = 10040;
inline constexpr int IDC_PROPERTIES_BAR_2 = 10041;
inline constexpr int IDC_PROPERTIES_BAR_3 = 10042;
inline constexpr int IDC_PROPERTIES_CONTENTS_LABEL = 10043;
inline constexpr int IDC_ATTR_READ_ONLY = 10044;
inline constexpr int IDC_ATTR_HIDDEN = 10045;
inline constexpr int IDC_ATTR_ARCHIVE = 10046;
inline constexpr int IDC_ATTR_SYSTEM = 10047;
inline constexpr int IDC_ATTR_ROM = 10048;
inline constexpr int IDC_PROPERTIES_TYPE = 10049;
inline constexpr int IDC_PROPERTIES_MODIFIED_LABEL = 10050;
inline constexpr int IDC_PROPERTIES_ACCESSED_LABEL = 10051;

// Recycle-bin dialog controls.
inline constexpr int IDC_RECYCLE_ERASE = 10028;
inline constexpr int IDC_RECYCLE_LIST = 10052;
inline constexpr int IDC_RECYCLE_RESTORE = 10053;
inline constexpr int IDC_RECYCLE_ENABLE = 10054;
inline constexpr int IDC_RECYCLE_MAIN_MEMORY = 10055;
inline constexpr int IDC_RECYCLE_STORAGE_CARD = 10056;
inline constexpr int IDC_RECYCLE_SELECT_ALL = 10057;
inline constexpr int IDC_RECYCLE_ADVANCED = 10062;
inline constexpr int IDC_RECYCLE_SIZE = 10063;
inline constexpr int IDC_RECYCLE_LOCATION = 10095;

// Recycle-bin advanced settings dialog controls.
inline constexpr int IDC_CAPACITY = 10035;
inline constexpr int IDC_LIMIT_CAPACITY = 10058;
inline constexpr int IDC_CAPACITY_SPIN = 10060;
inline constexpr int IDC_LIFETIME = 10061;

// Password dialog controls.
inline constexpr int IDC_PASSWORD = 10035;
inline constexpr int IDC_PASSWORD_CONFIRM = 10036;
inline constexpr int IDC_PASSWORD_CONFIRM_LABEL = 10064;
inline constexpr int IDC_DELETE_ORIGINAL = 10065;

// Find files dialog controls.
inline constexpr int IDC_FIND_PATTERN = 10032;
inline constexpr int IDC_FIND_FOLDER = 10033;
inline constexpr int IDC_FIND_RESULTS = 10034;
inline constexpr int IDC_FIND_TEXT = 10035;
inline constexpr int IDC_FIND_STATUS = 10036;
inline constexpr int IDC_FIND_START = 10037;

// File dump dialog controls; row r uses IDC_DUMP_OFFSET_FIRST + r and IDC_DUMP_ROW_FIRST + r.
inline constexpr int IDC_DUMP_OFFSET_FIRST = 10067;
inline constexpr int IDC_DUMP_OFFSET_LAST = 10076;
inline constexpr int IDC_DUMP_ROW_FIRST = 10077;
inline constexpr int IDC_DUMP_ROW_LAST = 10086;
inline constexpr int IDC_DUMP_FIRST_PAGE = 10087;
inline constexpr int IDC_DUMP_PREVIOUS_PAGE = 10088;
inline constexpr int IDC_DUMP_NEXT_PAGE = 10089;
inline constexpr int IDC_DUMP_LAST_PAGE = 10090;
inline constexpr int IDC_DUMP_HEX_MODE = 10091;
inline constexpr int IDC_DUMP_CHAR_MODE = 10092;
inline constexpr int IDC_DUMP_FIRST_HALF = 10093;
inline constexpr int IDC_DUMP_SECOND_HALF = 10094;

// Strings: application, document template and menu-bar titles.
inline constexpr int IDS_DOCUMENT_TEMPLATE = 2;
inline constexpr int IDS_MENU_EDIT = 4;
inline constexpr int IDS_APP_TITLE = 9;
inline constexpr int IDS_MENU_FILE = 32773;
inline constexpr int IDS_MENU_VIEW = 32782;

// Strings: settings section names.
inline constexpr int IDS_SECTION_MAIN = 10;
inline constexpr int IDS_SECTION_FILEVIEW = 43;
inline constexpr int IDS_SECTION_RECYCLEBIN = 80;

// Strings: settings value names.
inline constexpr int IDS_KEY_WORK_DIRECTORY = 11;
inline constexpr int IDS_KEY_SHOW_COLUMN_HEADER = 12;
inline constexpr int IDS_KEY_NAME_WIDTH = 21;
inline constexpr int IDS_KEY_SIZE_WIDTH = 22;
inline constexpr int IDS_KEY_DATE_WIDTH = 23;
inline constexpr int IDS_KEY_TYPE_WIDTH = 24;
inline constexpr int IDS_KEY_ATTR_WIDTH = 25;
inline constexpr int IDS_KEY_FILE_VIEW_MODE = 35;
inline constexpr int IDS_KEY_VIEW_HEIGHT = 44;
inline constexpr int IDS_KEY_SHOW_ADDRESS_BAR = 45;
inline constexpr int IDS_KEY_SORT_METHOD = 53;
inline constexpr int IDS_KEY_ASCENDING = 54;
inline constexpr int IDS_KEY_SHOW_SPECIFY_FILE = 61;
inline constexpr int IDS_KEY_FILTER_STRING = 62;
inline constexpr int IDS_KEY_HIDE_ROM_FILE = 63;
inline constexpr int IDS_KEY_HIDE_HIDDEN_FILE = 64;
inline constexpr int IDS_KEY_HIDE_SYSTEM_EXT = 65;
inline constexpr int IDS_KEY_COLUMN_ORDER = 68;
inline constexpr int IDS_KEY_TAB_ACTION = 74;
inline constexpr int IDS_KEY_PATH_WIDTH = 82;
inline constexpr int IDS_KEY_RECYCLE_PATH = 87;
inline constexpr int IDS_KEY_RECYCLE_BIN_POS = 89;
inline constexpr int IDS_KEY_RECYCLE_BIN_ENABLE = 90;
inline constexpr int IDS_KEY_MAX_CAPACITY = 111;
inline constexpr int IDS_KEY_ENABLE_CAPACITY = 112;
inline constexpr int IDS_KEY_LIFETIME = 113;
inline constexpr int IDS_KEY_LIFETIME_MONTH = 117;
inline constexpr int IDS_KEY_LIFETIME_DAY = 118;
inline constexpr int IDS_KEY_COMMAND_FILE = 130;
inline constexpr int IDS_KEY_STORAGE_CARD = 137;

// Strings: column titles, names and labels.
inline constexpr int IDS_COLUMN_NAME = 13;
inline constexpr int IDS_COLUMN_SIZE = 14;
inline constexpr int IDS_COLUMN_DATE = 15;
inline constexpr int IDS_COLUMN_TYPE = 16;
inline constexpr int IDS_COLUMN_ATTRIBUTES = 17;
inline constexpr int IDS_FOLDER = 36;
inline constexpr int IDS_UNKNOWN_FILE_TYPE = 37;
inline constexpr int IDS_NEW_FOLDER = 46;
inline constexpr int IDS_REPLACE_ALL = 50;
inline constexpr int IDS_REPLACE_FOLDER_TITLE = 52;
inline constexpr int IDS_FILTER_PICTURES = 55;
inline constexpr int IDS_FILTER_PROGRAMS = 56;
inline constexpr int IDS_FILTER_DOCUMENTS = 57;
inline constexpr int IDS_QUOTE = 69;
inline constexpr int IDS_NAME = 72;
inline constexpr int IDS_MY_DOCUMENTS = 75;
inline constexpr int IDS_PROGRAMS = 76;
inline constexpr int IDS_MY_COMPUTER = 77;
inline constexpr int IDS_RECYCLE_FOLDER_NAME = 81;
inline constexpr int IDS_FILES_FOUND = 83;
inline constexpr int IDS_SIZE_MB = 84;
inline constexpr int IDS_CONTENTS_COUNT = 85;
inline constexpr int IDS_SIZE_KB = 86;
inline constexpr int IDS_BYTES = 88;
inline constexpr int IDS_DECRYPT_TITLE = 122;

// Strings: messages and questions.
inline constexpr int IDS_RENAME_FAILED = 39;
inline constexpr int IDS_CONFIRM_DELETE_FILE = 40;
inline constexpr int IDS_SAME_SOURCE_AND_DESTINATION = 41;
inline constexpr int IDS_MOVE_FAILED = 42;
inline constexpr int IDS_FOLDER_EXISTS = 47;
inline constexpr int IDS_CONFIRM_DELETE_FOLDER = 48;
inline constexpr int IDS_FILE_EXISTS = 49;
inline constexpr int IDS_CONFIRM_REPLACE_FOLDER = 51;
inline constexpr int IDS_CONFIRM_DELETE_READ_ONLY = 66;
inline constexpr int IDS_CANNOT_DELETE_ROM_FILE = 67;
inline constexpr int IDS_FILE_NOT_FOUND = 70;
inline constexpr int IDS_NO_ASSOCIATION = 71;
inline constexpr int IDS_FOLDER_NOT_FOUND = 73;
inline constexpr int IDS_STORAGE_CARD_REMOVED = 91;
inline constexpr int IDS_RECYCLE_BIN_NOT_FOUND = 92;
inline constexpr int IDS_RECYCLE_BIN_DAMAGED = 99;
inline constexpr int IDS_RESTORE_SYSTEM_ERROR = 100;
inline constexpr int IDS_RESTORE_NO_SPACE = 102;
inline constexpr int IDS_NOT_ENOUGH_SPACE = 103;
inline constexpr int IDS_OUT_OF_MEMORY = 114;
inline constexpr int IDS_RECYCLE_BIN_FULL = 115;
inline constexpr int IDS_CANNOT_COPY_ROM_FILE = 119;
inline constexpr int IDS_TOO_MANY_FAVORITES = 120;
inline constexpr int IDS_COMPRESS_RECYCLE_BIN = 121;
inline constexpr int IDS_CANNOT_ENCRYPT = 123;
inline constexpr int IDS_NOT_ENCRYPTED_FILE = 126;
inline constexpr int IDS_CANNOT_ENCRYPT_ROM_FILE = 127;
inline constexpr int IDS_PASSWORD_MISMATCH = 128;
inline constexpr int IDS_CONFIRM_REPLACE_DECRYPTED = 129;
inline constexpr int IDS_CANNOT_OPEN_FILE = 131;
inline constexpr int IDS_WRONG_PASSWORD = 132;
inline constexpr int IDS_TOO_LARGE_FOR_RECYCLE_BIN = 134;
inline constexpr int IDS_ENLARGE_RECYCLE_BIN = 135;
// Our own: a paste that would put a folder inside itself.
inline constexpr int IDS_CANNOT_MOVE_INTO_ITSELF = 140;
// Our own: opening a real program asks first.
inline constexpr int IDS_CONFIRM_RUN_PROGRAM = 150;
// Our own: what a copy, move or delete left out, and what it stored under another name
// because a sibling differs from it only in letter case (one line per item).
inline constexpr int IDS_ITEMS_LEFT_OUT = 151;
inline constexpr int IDS_ITEMS_RENAMED = 152;
// Our own: an attribute change that did not happen.
inline constexpr int IDS_CANNOT_SET_ATTRIBUTES = 153;
// Our own, for the recycle bin: refusals, partial results and what a restore renamed.
inline constexpr int IDS_CANNOT_DELETE_PROTECTED = 160;
inline constexpr int IDS_RECYCLE_ARCHIVE_DAMAGED = 161;
inline constexpr int IDS_RESTORED_UNDER_NEW_NAME = 162;
inline constexpr int IDS_RECYCLE_PARTIAL = 163;
inline constexpr int IDS_LEFT_ROM_FILE = 164;
inline constexpr int IDS_LEFT_READ_ONLY = 165;
inline constexpr int IDS_LEFT_NOT_REMOVABLE = 166;
// Our own: the storage card that shows the user's home folder on the default device. A
// path name, kept in favourites, settings and the bin's index: never translated.
inline constexpr int IDS_HOME_CARD_NAME = 180;
// Our own, for touch screens: the check mode's bar and the size of touch targets.
inline constexpr int IDS_CHECKED_COUNT = 170;
inline constexpr int IDS_CHECK_MODE_DONE = 171;
inline constexpr int IDS_TOUCH_SIZE = 172;
inline constexpr int IDS_TOUCH_SIZE_AUTO = 173;
inline constexpr int IDS_TOUCH_SIZE_SMALL = 174;
inline constexpr int IDS_TOUCH_SIZE_NORMAL = 175;
inline constexpr int IDS_TOUCH_SIZE_LARGE = 176;
// Our own settings: the size of touch targets (0 from the screen, 1 to 3 small to large)
// and the window's size on a desktop.
inline constexpr int IDS_KEY_TOUCH_SIZE = 177;
inline constexpr int IDS_KEY_WINDOW_WIDTH = 178;
inline constexpr int IDS_KEY_WINDOW_HEIGHT = 179;
// Our own: why a device call failed, added after the message of the failed operation.
inline constexpr int IDS_CAUSE_DISK_FULL = 190;
inline constexpr int IDS_CAUSE_ACCESS_DENIED = 191;
inline constexpr int IDS_CAUSE_WRITE_PROTECTED = 192;
inline constexpr int IDS_CAUSE_IO = 193;
inline constexpr int IDS_CAUSE_NOT_FOUND = 194;
inline constexpr int IDS_CAUSE_EXISTS = 195;
inline constexpr int IDS_CAUSE_INVALID_PATH = 196;
inline constexpr int IDS_CAUSE_NOT_EMPTY = 197;
inline constexpr int IDS_CAUSE_UNSUPPORTED = 198;
// Our own: a new folder that could not be made.
inline constexpr int IDS_CANNOT_CREATE_FOLDER = 199;
// Our own: what a screen reader calls the controls that show no text of their own.
inline constexpr int IDS_NAME_ADDRESS = 200;
inline constexpr int IDS_NAME_FILE_LIST = 201;
inline constexpr int IDS_NAME_FOLDER_TREE = 202;
inline constexpr int IDS_NAME_FIND_RESULTS = 203;
inline constexpr int IDS_NAME_FAVORITES_LIST = 204;
inline constexpr int IDS_NAME_RECYCLE_CONTENTS = 205;
inline constexpr int IDS_NAME_DUMP_FIRST_HALF = 206;
inline constexpr int IDS_NAME_DUMP_SECOND_HALF = 207;

// Strings: popup-menu texts, stored under their command's number.
inline constexpr int IDS_UP_ONE_LEVEL = 32775;
inline constexpr int IDS_DELETE = 32790;
inline constexpr int IDS_RENAME = 32791;
inline constexpr int IDS_PASTE_SHORTCUT = 32795;
inline constexpr int IDS_SEND_MAIL = 32796;
inline constexpr int IDS_SEND_INFRARED = 32797;
inline constexpr int IDS_ADD_FAVORITE = 32800;
inline constexpr int IDS_EDIT_FAVORITES = 32801;
inline constexpr int IDS_OPEN = 32808;
inline constexpr int IDS_PROPERTIES = 32809;
inline constexpr int IDS_ENCRYPT = 32810;
inline constexpr int IDS_DECRYPT = 32811;
inline constexpr int IDS_FILE_DUMP = 32812;
inline constexpr int IDS_CHECK_MODE = 32813;
inline constexpr int IDS_GO_TO_FOLDER = 32814;
inline constexpr int IDS_COPY = 57634;
inline constexpr int IDS_CUT = 57635;
inline constexpr int IDS_PASTE = 57637;

// Strings: tooltips of the menu bar, in bar order after the unused first one.
inline constexpr int IDS_TOOLTIP_UNUSED = 65000;
inline constexpr int IDS_TOOLTIP_FILE_MENU = 65001;
inline constexpr int IDS_TOOLTIP_EDIT_VIEW_MENU = 65002;
inline constexpr int IDS_TOOLTIP_CUT = 65004;
inline constexpr int IDS_TOOLTIP_COPY = 65005;
inline constexpr int IDS_TOOLTIP_PASTE = 65006;
inline constexpr int IDS_TOOLTIP_DELETE = 65008;
inline constexpr int IDS_TOOLTIP_RECYCLE_BIN = 32807;

// Ids of the standard dialog buttons (their object names).
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDNO = 7;

