#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/ids.h"

namespace {

std::u16string Text(int id) {
    const char16_t* text = StringResource(id);
    return text ? std::u16string(text) : std::u16string(u"<none>");
}

// The lookup halves the table, so a single entry out of order hides others.
TEST(StringTable, IdsAreStrictlyAscendingAndEveryEntryIsFound) {
    const auto table = StringResourceTable();
    ASSERT_FALSE(table.empty());
    for (size_t i = 1; i < table.size(); ++i) {
        EXPECT_LT(table[i - 1].id, table[i].id) << "entry " << i;
    }
    for (const StringResourceEntry& entry : table) {
        ASSERT_NE(entry.text, nullptr) << entry.id;
        EXPECT_NE(entry.text[0], u'\0') << entry.id;
        EXPECT_EQ(StringResource(entry.id), entry.text) << entry.id;
    }
}

TEST(StringTable, IdsWithoutTextGiveNull) {
    const auto table = StringResourceTable();
    EXPECT_EQ(StringResource(table.front().id - 1), nullptr);
    EXPECT_EQ(StringResource(table.back().id + 1), nullptr);
    EXPECT_EQ(StringResource(0), nullptr);
    EXPECT_EQ(StringResource(-1), nullptr);
    EXPECT_EQ(StringResource(38), nullptr);  // a gap between two strings
    // Quoted nowhere, so absent rather than guessed.
    EXPECT_EQ(StringResource(IDS_TOOLTIP_FILE_MENU), nullptr);
}

// Texts other code matches, splits or formats: the window title search, the document
// template fields, the bin folder name and the printf-style messages.
TEST(StringTable, TextsOtherCodeDependsOn) {
    EXPECT_EQ(Text(IDS_APP_TITLE), u"Nuvio File Explorer 中文版");
    EXPECT_EQ(Text(IDS_DOCUMENT_TEMPLATE),
              u"Nuvio File Explorer\n\nNUVIO File Explorer\n\n\nTandor.Document\nTandor Document");
    EXPECT_EQ(Text(IDS_NEW_FOLDER), u"新資料匣");
    EXPECT_EQ(Text(IDS_FOLDER_EXISTS), u"資料匣已經存在 !\n請使用不同的名稱.");
    EXPECT_EQ(Text(IDS_RENAME_FAILED), u"重新命名失敗 !");
    EXPECT_EQ(Text(IDS_FILE_EXISTS), u"這個叫做 '%s' 的檔案已經存在.");
    EXPECT_EQ(Text(IDS_FOLDER_NOT_FOUND), u"找不到資料匣 \"%s\" !");
    EXPECT_EQ(Text(IDS_RECYCLE_FOLDER_NAME), u"~Recycle");
    EXPECT_EQ(Text(IDS_CANNOT_DELETE_ROM_FILE), u"無法刪除 '%s' !\n這個檔案可能是在唯讀記憶體內. ");
}

TEST(StringTable, SettingsNamesAreTheStoredKeys) {
    EXPECT_EQ(Text(IDS_SECTION_MAIN), u"MainSection");
    EXPECT_EQ(Text(IDS_SECTION_FILEVIEW), u"FileView");
    EXPECT_EQ(Text(IDS_SECTION_RECYCLEBIN), u"RecycleBin");
    EXPECT_EQ(Text(IDS_KEY_HIDE_HIDDEN_FILE), u"HideHidenFile");
}

// A command and its string share a number but are looked up separately.
TEST(StringTable, CommandNumbersCarryTheirPopupTexts) {
    EXPECT_EQ(Text(ID_FILE_RECYCLE_BIN), u"資源回收筒");
    EXPECT_EQ(Text(ID_FAVORITE_ADD), u"加到我的最愛...");
    EXPECT_EQ(Text(ID_EDIT_CUT), u"剪下");
}

}  // namespace
