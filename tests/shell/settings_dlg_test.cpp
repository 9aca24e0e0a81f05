#include <QCheckBox>
#include <QComboBox>
#include <QFile>

#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "shell/settings_dlg.h"

namespace {

class SettingsTest : public FrameTest {
protected:
    void RunSettings(const std::function<int(QDialog&)>& step) {
        frame().SetDialogRunner(step);
        frame().OnCommand(ID_FILE_SETTINGS);
        Settle();
    }
    static QCheckBox* Box(QDialog& dialog, int id) {
        return dialog.findChild<QCheckBox*>(QString::number(id));
    }
    static QComboBox* Combo(QDialog& dialog) {
        return dialog.findChild<QComboBox*>(QString::number(IDC_FILTER_COMBO));
    }
};

}  // namespace

TEST_F(SettingsTest, OpensWithTheListsValuesAndTheComboFollowsShowOnly) {
    device.Make({"\\My Documents\\a.txt=a"});
    device.settings().SetProfileTextById(IDS_SECTION_FILEVIEW, IDS_KEY_FILTER_STRING, "");
    Open();
    RunSettings([](QDialog& dialog) {
        QComboBox* combo = Combo(dialog);
        EXPECT_EQ(combo->currentText(), "*");
        EXPECT_EQ(combo->count(), 3);
        EXPECT_EQ(combo->itemText(2), "psw;pwi;pxl;pxt;txt;zip");
        EXPECT_FALSE(combo->isEnabled());
        EXPECT_TRUE(Box(dialog, IDC_HIDE_HIDDEN_FILES)->isChecked());
        Box(dialog, IDC_SHOW_ONLY_MATCHING)->click();
        EXPECT_TRUE(combo->isEnabled());
        Box(dialog, IDC_SHOW_ONLY_MATCHING)->click();
        EXPECT_FALSE(combo->isEnabled());
        return int(QDialog::Rejected);
    });
}
