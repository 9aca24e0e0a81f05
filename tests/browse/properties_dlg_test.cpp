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
