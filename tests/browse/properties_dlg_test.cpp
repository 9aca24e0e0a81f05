#include <QCheckBox>
#include <QLabel>

#include "browse/properties_dlg.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/dialog_controls.h"

// The summary's texts and counts are tested in properties_summary_test.cpp. A change that did
// not happen (here the ROM file's, which the device refuses) is said.
TEST_F(FrameTest, PropertiesShowTheSelectionAndReportAChangeThatDidNotHappen) {
    device.Make({"\\My Documents\\a.txt#1536", "\\My Documents\\rom.txt=r"});
    device.SetRawAttributes("\\My Documents\\rom.txt", Attr::kInRom);
    device.settings().SetProfileIntById(IDS_SECTION_FILEVIEW, IDS_KEY_HIDE_ROM_FILE, 0);
    Open();
    SelectNames({"a.txt"});
    int runs = 0;
    frame().SetDialogRunner([&runs](QDialog& dialog) {
        ++runs;
        EXPECT_TRUE(qobject_cast<CPropertiesDlg*>(&dialog));
        EXPECT_EQ(Control<QLabel>(dialog, IDC_PROPERTIES_NAME)->text(), "a.txt");
        EXPECT_EQ(Control<QLabel>(dialog, IDC_PROPERTIES_SIZE)->text(), " 1.5KB (1536 位元組)");
        EXPECT_TRUE(Control<QCheckBox>(dialog, IDC_ATTR_READ_ONLY)->isEnabled());
        EXPECT_FALSE(Control<QCheckBox>(dialog, IDC_ATTR_ROM)->isEnabled());
        return int(QDialog::Rejected);
    });
    frame().OnCommand(ID_FILE_PROPERTIES);

    SelectNames({"a.txt", "rom.txt"});
    frame().SetDialogRunner([&runs](QDialog& dialog) {
        ++runs;
        Control<QCheckBox>(dialog, IDC_ATTR_HIDDEN)->click();
        dialog.accept();
        return int(QDialog::Accepted);
    });
    frame().OnCommand(ID_FILE_PROPERTIES);
    EXPECT_TRUE(*device.fs().GetAttributes("\\My Documents\\a.txt") & Attr::kHidden);
    EXPECT_EQ(prompt.MessageIds(), QList<int>({IDS_CANNOT_SET_ATTRIBUTES}));
    EXPECT_EQ(runs, 2);
}
