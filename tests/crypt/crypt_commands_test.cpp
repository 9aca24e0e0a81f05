#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/load_str.h"
#include "app/message.h"
#include "app/settings_store.h"
#include "crypt/encrypt_file.h"
#include "crypt/password_dlg.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/dialog_controls.h"
#include "support/scripted_progress.h"

namespace {

const QString kFolder = QStringLiteral("\\My Documents");

class CryptCommandTest : public FrameTest {
protected:
    // Every password dialog of the run is answered with these: typed, confirmed, ticked, OK.
    void AnswerPassword(const QString& password, bool deleteOriginal = false) {
        frame().SetDialogRunner([password, deleteOriginal](QDialog& dialog) {
            Control<QLineEdit>(dialog, IDC_PASSWORD)->setText(password);
            QLineEdit* confirm = Control<QLineEdit>(dialog, IDC_PASSWORD_CONFIRM);
            if (!confirm->isHidden()) confirm->setText(password);
            Control<QCheckBox>(dialog, IDC_DELETE_ORIGINAL)->setChecked(deleteOriginal);
            return Click(dialog, IDOK);
        });
    }

    QString Path(const QString& name) { return kFolder + QLatin1Char('\\') + name; }
};

// The numbering, the ROM and extension rules are core tests; these check the wiring.
TEST_F(CryptCommandTest, EncryptThenDecryptAskingBeforeReplacing) {
    device.Make({"\\My Documents\\a.txt=hello"});
    Open();
    AnswerPassword(QStringLiteral("pw"));
    SelectNames({"a.txt"});
    ASSERT_TRUE(frame().OnCommand(ID_FILE_ENCRYPT));
    EXPECT_EQ(device.List(kFolder), QStringList({"a.txt", "a.txt.enc"}));
    EXPECT_EQ(list().GetSelectedRows(), QList<int>{list().FindRowByName("a.txt.enc")});
    EXPECT_EQ(shell.inputPanelCalls, QList<bool>({true, false}));

    // Declining the replacement leaves everything as it was; Yes replaces, and the
    // encrypted file goes once its content is back.
    device.File(Path("a.txt"), "changed");
    prompt.messageAnswers = {MessageAnswer::No};
    ASSERT_TRUE(frame().OnCommand(ID_FILE_DECRYPT));
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_CONFIRM_REPLACE_DECRYPTED}));
    EXPECT_EQ(device.Read(Path("a.txt")), "changed");
    AnswerPassword(QStringLiteral("pw"), true);
    SelectNames({"a.txt.enc"});
    ASSERT_TRUE(frame().OnCommand(ID_FILE_DECRYPT));
    EXPECT_EQ(device.List(kFolder), QStringList({"a.txt"}));
    EXPECT_EQ(device.Read(Path("a.txt")), "hello");
    EXPECT_EQ(RowNames(), QStringList({"a.txt"}));

    // A wrong password is named with the file.
    ASSERT_EQ(EncryptFile(device.fs(), Path("a.txt"), Path("b.enc"), "pw"), CryptResult::Ok);
    list().FillList();
    AnswerPassword(QStringLiteral("PW"));
    prompt.messages.clear();
    SelectNames({"b.enc"});
    ASSERT_TRUE(frame().OnCommand(ID_FILE_DECRYPT));
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_WRONG_PASSWORD}));
    EXPECT_EQ(prompt.messages[0].text, "b.enc\n" + LoadStr(IDS_WRONG_PASSWORD));
}

TEST_F(CryptCommandTest, CancellingTheDialogOrTheWorkChangesNothing) {
    device.Make({"\\My Documents\\big.bin#300000"});
    Open();
    SelectNames({"big.bin"});
    const QStringList before = device.Snapshot();
    frame().SetDialogRunner([](QDialog&) { return int(QDialog::Rejected); });
    ASSERT_TRUE(frame().OnCommand(ID_FILE_ENCRYPT));
    EXPECT_EQ(device.Snapshot(), before);

    // A cancel in the progress window after the first piece: the run ends quietly.
    auto* sink = new ScriptedProgress;
    sink->answer = [](const ProgressState&) { return false; };
    frame().SetProgressFactory([sink](const QString&) { return std::unique_ptr<Progress>(sink); });
    AnswerPassword(QStringLiteral("pw"), true);
    ASSERT_TRUE(frame().OnCommand(ID_FILE_ENCRYPT));
    EXPECT_TRUE(prompt.messages.isEmpty());
    EXPECT_EQ(device.Snapshot(), before);
    EXPECT_EQ(RowNames(), QStringList({"big.bin"}));
}

TEST(PasswordDialog, OkNeedsAPasswordAndTheConfirmationMustMatchExactly) {
    RecordingPrompt prompt;
    CPasswordDlg dialog(prompt, CPasswordDlg::kEncrypt);
    auto* password = Control<QLineEdit>(dialog, IDC_PASSWORD);
    auto* confirm = Control<QLineEdit>(dialog, IDC_PASSWORD_CONFIRM);
    auto* ok = Control<QPushButton>(dialog, IDOK);
    ASSERT_TRUE(password && confirm && ok);
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    EXPECT_FALSE(ok->isEnabled());
    QTest::keyClicks(password, QStringLiteral("Secret"));
    EXPECT_TRUE(ok->isEnabled());
    password->clear();
    EXPECT_FALSE(ok->isEnabled());

    // Differing only in letter case is a mismatch: message IDS_PASSWORD_MISMATCH, and the dialog
    // stays.
    password->setText(QStringLiteral("Secret"));
    confirm->setText(QStringLiteral("secret"));
    ok->click();
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_PASSWORD_MISMATCH}));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    confirm->setText(QStringLiteral("Secret"));
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.password(), QStringLiteral("Secret"));
    EXPECT_FALSE(dialog.deleteOriginal());

    // At most 127 characters are taken.
    password->setText(QString(200, QLatin1Char('p')));
    EXPECT_EQ(password->text().size(), CPasswordDlg::kMaxPasswordLength);
}

}  // namespace
