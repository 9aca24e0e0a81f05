#include <QCheckBox>
#include <QComboBox>

#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "shell/settings_dlg.h"
#include "support/dialog_controls.h"

// When a change refills the list is tested in list_settings_test.cpp; this checks the wiring.
TEST_F(FrameTest, SettingsShowTheListsValuesAndOkAppliesThem) {
    device.Make({"\\My Documents\\a.txt=a", "\\My Documents\\b.doc=b"});
    Open();
    frame().SetDialogRunner([](QDialog& dialog) {
        auto* combo = Control<QComboBox>(dialog, IDC_FILTER_COMBO);
        EXPECT_TRUE(Control<QCheckBox>(dialog, IDC_HIDE_HIDDEN_FILES)->isChecked());
        EXPECT_FALSE(combo->isEnabled());
        Control<QCheckBox>(dialog, IDC_SHOW_ONLY_MATCHING)->click();
        EXPECT_TRUE(combo->isEnabled());
        combo->setEditText(QStringLiteral("txt"));
        return Click(dialog, IDOK);
    });
    frame().OnCommand(ID_FILE_SETTINGS);
    Settle();
    EXPECT_EQ(RowNames(), QStringList({"a.txt"}));
}
