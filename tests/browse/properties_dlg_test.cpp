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

TEST_F(PropertiesTest, AFolderIsMeasuredAndItsBoxesAreDisabled) {
    device.Make({"\\My Documents\\F\\a.bin#1048000", "\\My Documents\\F\\G\\b.bin#576"});
    Open();
    SelectNames({"F"});
    RunProperties([](CPropertiesDlg& dialog) {
        EXPECT_EQ(Text(dialog, IDC_PROPERTIES_SIZE), "1024.0KB (1048576 位元組)");
        EXPECT_EQ(Text(dialog, IDC_PROPERTIES_CONTENTS), "2 個檔案, 1 個資料匣");
        for (int id : {IDC_ATTR_READ_ONLY, IDC_ATTR_HIDDEN, IDC_ATTR_ARCHIVE, IDC_ATTR_SYSTEM}) {
            EXPECT_FALSE(Box(dialog, id)->isEnabled());
        }
        return int(QDialog::Rejected);
    });
}

TEST_F(PropertiesTest, MixedReadOnlyStaysPerFileUntilTheUserChoosesForBoth) {
    device.Make({"\\My Documents\\r.txt=r", "\\My Documents\\w.txt=w"});
    device.SetRawAttributes("\\My Documents\\r.txt", Attr::kReadOnly | Attr::kArchive);
    device.SetRawAttributes("\\My Documents\\w.txt", Attr::kArchive);
    Open();
    SelectNames({"r.txt", "w.txt"});
    RunProperties([](CPropertiesDlg& dialog) {
        QCheckBox* readOnly = Box(dialog, IDC_ATTR_READ_ONLY);
        EXPECT_EQ(readOnly->checkState(), Qt::PartiallyChecked);
        EXPECT_EQ(Text(dialog, IDC_PROPERTIES_NAME), "2 個檔案, 0 個資料匣");
        // Touching another box marks a change; read-only stays mixed.
        Box(dialog, IDC_ATTR_HIDDEN)->click();
        dialog.accept();
        return int(QDialog::Accepted);
    });
    auto attributes = [&](const char* path) { return *device.fs().GetAttributes(path) & 0x27u; };
    EXPECT_EQ(attributes("\\My Documents\\r.txt"),
              Attr::kReadOnly | Attr::kHidden | Attr::kArchive);
    EXPECT_EQ(attributes("\\My Documents\\w.txt"), Attr::kHidden | Attr::kArchive);

    RunProperties([](CPropertiesDlg& dialog) {
        QCheckBox* readOnly = Box(dialog, IDC_ATTR_READ_ONLY);
        readOnly->click();  // mixed -> checked
        EXPECT_EQ(readOnly->checkState(), Qt::Checked);
        dialog.accept();
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(attributes("\\My Documents\\w.txt") & Attr::kReadOnly);
    EXPECT_EQ(list().Item(list().FindRowByName("w.txt"))->attributes & Attr::kReadOnly,
              Attr::kReadOnly);

    // Cancel changes nothing.
    RunProperties([](CPropertiesDlg& dialog) {
        Box(dialog, IDC_ATTR_READ_ONLY)->click();
        return int(QDialog::Rejected);
    });
    EXPECT_TRUE(attributes("\\My Documents\\w.txt") & Attr::kReadOnly);
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
