#include <QCheckBox>
#include <QLabel>

#include "browse/properties_dlg.h"
#include "platform/device_fs.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"

namespace {

class PropertiesTest : public FrameTest {
protected:
    // Runs the command; the dialog is inspected and answered by the given step.
    void RunProperties(const std::function<int(CPropertiesDlg&)>& step) {
        frame().SetDialogRunner([&](QDialog& dialog) {
            auto* properties = qobject_cast<CPropertiesDlg*>(&dialog);
            EXPECT_TRUE(properties);
            return properties ? step(*properties) : int(QDialog::Rejected);
        });
        frame().OnCommand(ID_FILE_PROPERTIES);
        Settle();
    }
    static QString Text(QDialog& dialog, int id) {
        QLabel* label = dialog.findChild<QLabel*>(QString::number(id));
        return label ? label->text() : QStringLiteral("<none>");
    }
    static QCheckBox* Box(QDialog& dialog, int id) {
        return dialog.findChild<QCheckBox*>(QString::number(id));
    }
};

}  // namespace

TEST_F(PropertiesTest, OneFileShowsItsSizeTypeAndTimes) {
    device.Make({"\\My Documents\\a.txt#1536"});
    Open();
    SelectNames({"a.txt"});
    RunProperties([](CPropertiesDlg& dialog) {
        EXPECT_EQ(Text(dialog, IDC_PROPERTIES_NAME), "a.txt");
        EXPECT_EQ(Text(dialog, IDC_PROPERTIES_LOCATION), "\\My Documents");
        EXPECT_EQ(Text(dialog, IDC_PROPERTIES_SIZE), " 1.5KB (1536 位元組)");
        EXPECT_EQ(Text(dialog, IDC_PROPERTIES_CONTENTS), "");
        EXPECT_FALSE(Text(dialog, IDC_PROPERTIES_MODIFIED).isEmpty());
        EXPECT_TRUE(Box(dialog, IDC_ATTR_READ_ONLY)->isEnabled());
        EXPECT_FALSE(Box(dialog, IDC_ATTR_ROM)->isEnabled());
        return int(QDialog::Rejected);
    });
}
