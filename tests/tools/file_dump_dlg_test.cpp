#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "app/message.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/dump_bytes.h"
#include "tools/file_dump_dlg.h"

namespace {

class FileDumpCommandTest : public FrameTest {
protected:
    // Selects the file in "\My Documents" and runs the command; check drives the dialog.
    bool Dump(const QString& name, const std::function<void(CFileDumpDlg&)>& check) {
        Open();
        FocusList();
        SelectOnly({name});
        bool shown = false;
        frame().SetDialogRunner([&](QDialog& dialog) {
            shown = true;
            EXPECT_EQ(dialog.objectName(), QString::number(IDD_FILE_DUMP));
            check(static_cast<CFileDumpDlg&>(dialog));
            return int(QDialog::Accepted);
        });
        frame().OnCommand(ID_FILE_DUMP);
        return shown;
    }

    static QString Row(QWidget& dialog, int r) {
        return dialog.findChild<QLabel*>(QString::number(IDC_DUMP_ROW_FIRST + r))->text();
    }
    static QString Offset(QWidget& dialog, int r) {
        return dialog.findChild<QLabel*>(QString::number(IDC_DUMP_OFFSET_FIRST + r))->text();
    }
    template <typename T = QPushButton>
    static T* Button(QWidget& dialog, int id) {
        return dialog.findChild<T*>(QString::number(id));
    }
};

TEST_F(FileDumpCommandTest, PagesThroughTwoHundredBytesAndShowsEitherHalf) {
    device.File(QStringLiteral("\\My Documents\\d.bin"), CountingBytes(200));
    EXPECT_TRUE(Dump(QStringLiteral("d.bin"), [](CFileDumpDlg& dialog) {
        EXPECT_TRUE(Button<QRadioButton>(dialog, IDC_DUMP_HEX_MODE)->isChecked());
        EXPECT_FALSE(Button(dialog, IDC_DUMP_FIRST_HALF)->isEnabled());
        EXPECT_TRUE(Button(dialog, IDC_DUMP_SECOND_HALF)->isEnabled());
        EXPECT_EQ(Offset(dialog, 1), "00012");
        EXPECT_EQ(Row(dialog, 0), "00 01 02 03 04 05 06 07 08 ");

        Button(dialog, IDC_DUMP_NEXT_PAGE)->click();
        EXPECT_EQ(dialog.pageOffset(), 180);
        EXPECT_EQ(Offset(dialog, 0), "000B4");
        EXPECT_EQ(Row(dialog, 1), "C6 C7 " + RepeatText("-- ", 7));
        EXPECT_EQ(Row(dialog, 9), RepeatText("-- ", 9));
        Button(dialog, IDC_DUMP_NEXT_PAGE)->click();
        EXPECT_EQ(dialog.pageOffset(), 180);

        Button(dialog, IDC_DUMP_FIRST_PAGE)->click();
        Button(dialog, IDC_DUMP_LAST_PAGE)->click();
        // The last page ends at the end of the file.
        EXPECT_EQ(dialog.pageOffset(), 20);
        EXPECT_EQ(Offset(dialog, 0), "00014");
        Button(dialog, IDC_DUMP_PREVIOUS_PAGE)->click();
        EXPECT_EQ(dialog.pageOffset(), 0);

        Button(dialog, IDC_DUMP_SECOND_HALF)->click();
        EXPECT_EQ(Offset(dialog, 0), "00009");
        EXPECT_EQ(Row(dialog, 0), "09 0A 0B 0C 0D 0E 0F 10 11 ");
        EXPECT_TRUE(Button(dialog, IDC_DUMP_FIRST_HALF)->isEnabled());
        EXPECT_FALSE(Button(dialog, IDC_DUMP_SECOND_HALF)->isEnabled());

        // Character mode shows whole rows and has no halves; the half is kept for later.
        Button<QRadioButton>(dialog, IDC_DUMP_CHAR_MODE)->click();
        EXPECT_EQ(dialog.mode(), DumpMode::Characters);
        EXPECT_EQ(Offset(dialog, 0), "00000");
        EXPECT_EQ(Row(dialog, 0), RepeatText(".", 18));
        EXPECT_FALSE(Button(dialog, IDC_DUMP_FIRST_HALF)->isEnabled());
        EXPECT_FALSE(Button(dialog, IDC_DUMP_SECOND_HALF)->isEnabled());
        Button<QRadioButton>(dialog, IDC_DUMP_HEX_MODE)->click();
        EXPECT_EQ(Offset(dialog, 0), "00009");
        EXPECT_TRUE(Button(dialog, IDC_DUMP_FIRST_HALF)->isEnabled());
        Button(dialog, IDC_DUMP_FIRST_HALF)->click();
        EXPECT_EQ(dialog.half(), DumpHalf::First);
        EXPECT_EQ(Offset(dialog, 0), "00000");
    }));
}

TEST_F(FileDumpCommandTest, AFileThatCannotBeOpenedIsReportedWithoutADialog) {
    device.Folder(QStringLiteral("\\My Documents\\Sub"));
    EXPECT_FALSE(Dump(QStringLiteral("Sub"), [](CFileDumpDlg&) {}));
    EXPECT_EQ(prompt.MessageIds(), QList<int>({IDS_CANNOT_OPEN_FILE}));
    EXPECT_EQ(prompt.messages[0].style, MB_ICONEXCLAMATION);
}

}  // namespace
