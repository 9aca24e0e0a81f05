#include <QCheckBox>
#include <QLabel>

#include "browse/properties_dlg.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/dialog_controls.h"

// The summary's texts and counts are tested in properties_summary_test.cpp.
TEST_F(FrameTest, PropertiesShowTheSelectedFileAndItsAttributeBoxes) {
    device.Make({"\\My Documents\\a.txt#1536"});
    Open();
    SelectNames({"a.txt"});
    bool shown = false;
    frame().SetDialogRunner([&shown](QDialog& dialog) {
        shown = qobject_cast<CPropertiesDlg*>(&dialog);
        EXPECT_EQ(Control<QLabel>(dialog, IDC_PROPERTIES_NAME)->text(), "a.txt");
        EXPECT_EQ(Control<QLabel>(dialog, IDC_PROPERTIES_SIZE)->text(), " 1.5KB (1536 位元組)");
        EXPECT_TRUE(Control<QCheckBox>(dialog, IDC_ATTR_READ_ONLY)->isEnabled());
        EXPECT_FALSE(Control<QCheckBox>(dialog, IDC_ATTR_ROM)->isEnabled());
        return int(QDialog::Rejected);
    });
    frame().OnCommand(ID_FILE_PROPERTIES);
    EXPECT_TRUE(shown);
}

// A change that did not happen (here the ROM file's, which the device refuses) is said.
TEST_F(PropertiesTest, AChangeThatDidNotHappenIsReported) {
    device.Make({"\\My Documents\\a.txt=a", "\\My Documents\\rom.txt=r"});
    device.SetRawAttributes("\\My Documents\\rom.txt", Attr::kInRom);
    device.settings().SetProfileIntById(IDS_SECTION_FILEVIEW, IDS_KEY_HIDE_ROM_FILE, 0);
    Open();
    SelectNames({"a.txt", "rom.txt"});
    ASSERT_EQ(list().GetSelectedRows().size(), 2);
    ASSERT_TRUE(*device.fs().GetAttributes("\\My Documents\\rom.txt") & Attr::kInRom);
    RunProperties([](CPropertiesDlg& dialog) {
        Box(dialog, IDC_ATTR_HIDDEN)->click();
        dialog.accept();
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(*device.fs().GetAttributes("\\My Documents\\a.txt") & Attr::kHidden);
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_CANNOT_SET_ATTRIBUTES}));
    EXPECT_EQ(prompt.messages[0].text, "無法變更 'rom.txt' 的屬性 !");
}

TEST_F(PropertiesTest, TheRootInFolderMode) {
    device.Make({"\\x.txt#10"});
    Open();
    frame().SetCurrentFolder("\\", true);
    Settle();
    FocusTree();
    RunProperties([](CPropertiesDlg& dialog) {
        EXPECT_TRUE(dialog.folderMode());
        EXPECT_EQ(Text(dialog, IDC_PROPERTIES_NAME), "我的電腦");
        EXPECT_EQ(Text(dialog, IDC_PROPERTIES_TYPE), " ");
        EXPECT_FALSE(Box(dialog, IDC_ATTR_READ_ONLY)->isEnabled());
        EXPECT_EQ(Text(dialog, IDC_PROPERTIES_SIZE), "10 位元組");
        return int(QDialog::Rejected);
    });
}
