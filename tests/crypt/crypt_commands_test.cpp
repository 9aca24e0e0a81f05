#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/load_str.h"
#include "app/message.h"
#include "app/settings_store.h"
#include "crypt/encrypt_file.h"
#include "crypt/password_dlg.h"
#include "recycle/recycle_test_helpers.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/dialog_controls.h"

namespace {

const QString kFolder = QStringLiteral("\\My Documents");

QString Joined(const QString& name, int textId) {
    return name + QLatin1Char('\n') + LoadStr(textId);
}

class CryptCommandTest : public FrameTest {
protected:
    // Every password dialog of the run is answered with these: typed, confirmed, ticked, OK.
    void AnswerPassword(const QString& password, bool deleteOriginal = false) {
        frame().SetDialogRunner([this, password, deleteOriginal](QDialog& dialog) {
            ++dialogsShown;
            Control<QLineEdit>(dialog, IDC_PASSWORD)->setText(password);
            QLineEdit* confirm = Control<QLineEdit>(dialog, IDC_PASSWORD_CONFIRM);
            if (!confirm->isHidden()) confirm->setText(password);
            Control<QCheckBox>(dialog, IDC_DELETE_ORIGINAL)->setChecked(deleteOriginal);
            return Click(dialog, IDOK);
        });
    }

    void Select(const QStringList& names) {
        FocusList();
        list().SelectRows(0);
        for (const QString& name : names) {
            const int row = list().FindRowByName(name);
            ASSERT_GE(row, 0) << name.toStdString();
            list().SelectRow(row, true, false, false);
        }
    }

    QStringList SelectedNames() {
        QStringList names;
        for (int row : list().GetSelectedRows())
            names.append(list().Item(row)->name);
        names.sort();
        return names;
    }

    QString Path(const QString& name) { return kFolder + QLatin1Char('\\') + name; }

    int dialogsShown = 0;
};

TEST_F(CryptCommandTest, EncryptTwiceThenDecryptBothAskingBeforeReplacing) {
    device.Make({"\\My Documents\\a.txt=hello"});
    Open();
    AnswerPassword(QStringLiteral("pw"));
    Select({QStringLiteral("a.txt")});
    ASSERT_TRUE(frame().OnCommand(ID_FILE_ENCRYPT));
    Select({QStringLiteral("a.txt")});
    ASSERT_TRUE(frame().OnCommand(ID_FILE_ENCRYPT));
    EXPECT_EQ(device.List(kFolder), QStringList({"a.txt", "a.txt(2).enc", "a.txt.enc"}));
    EXPECT_EQ(SelectedNames(), QStringList({"a.txt(2).enc"}));
    EXPECT_TRUE(prompt.messages.isEmpty());
    EXPECT_EQ(shell.inputPanelCalls, QList<bool>({true, false, true, false}));

    // Declining the replacement leaves everything as it was.
    prompt.messageAnswers = {MessageAnswer::No};
    Select({QStringLiteral("a.txt.enc")});
    ASSERT_TRUE(frame().OnCommand(ID_FILE_DECRYPT));
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_CONFIRM_REPLACE_DECRYPTED}));
    EXPECT_EQ(prompt.messages[0].text, FormatStr(IDS_CONFIRM_REPLACE_DECRYPTED, "a.txt"));
    EXPECT_EQ(prompt.messages[0].style, MessageStyle::YesNoQuestion);
    EXPECT_EQ(device.List(kFolder).size(), 3);

    // Both back into a.txt, each replacing it after the question, the encrypted files
    // deleted once their content is back.
    device.File(Path("a.txt"), "changed");
    prompt.messages.clear();
    AnswerPassword(QStringLiteral("pw"), true);
    Select({QStringLiteral("a.txt.enc"), QStringLiteral("a.txt(2).enc")});
    ASSERT_TRUE(frame().OnCommand(ID_FILE_DECRYPT));
    EXPECT_EQ(prompt.MessageIds(),
              QList<int>({IDS_CONFIRM_REPLACE_DECRYPTED, IDS_CONFIRM_REPLACE_DECRYPTED}));
    EXPECT_EQ(device.List(kFolder), QStringList({"a.txt"}));
    EXPECT_EQ(device.Read(Path("a.txt")), "hello");
    EXPECT_EQ(RowNames(), QStringList({"a.txt"}));
    EXPECT_TRUE(list().HasFocusInside());
}

TEST_F(CryptCommandTest, AWrongPasswordIsReportedAndWritesNothing) {
    device.Make({"\\My Documents\\a.txt=hello"});
    Open();
    AnswerPassword(QStringLiteral("pw"), true);
    Select({QStringLiteral("a.txt")});
    ASSERT_TRUE(frame().OnCommand(ID_FILE_ENCRYPT));
    EXPECT_EQ(RowNames(), QStringList({"a.txt.enc"}));
    const QStringList before = device.Snapshot();

    AnswerPassword(QStringLiteral("PW"), true);
    Select({QStringLiteral("a.txt.enc")});
    ASSERT_TRUE(frame().OnCommand(ID_FILE_DECRYPT));
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_WRONG_PASSWORD}));
    EXPECT_EQ(prompt.messages[0].text, Joined("a.txt.enc", IDS_WRONG_PASSWORD));
    EXPECT_EQ(prompt.messages[0].style, MessageStyle::Exclamation);
    EXPECT_EQ(prompt.messages[0].caption, LoadStr(IDS_APP_TITLE));
    EXPECT_EQ(device.Snapshot(), before);
}

TEST_F(CryptCommandTest, TheExtensionDecidesInAnyCaseAndBeforeTheFileIsOpened) {
    device.Make({"\\My Documents\\b.txt=bee", "\\My Documents\\x.src=ex"});
    // Real encrypted files, one named in capitals and one without the extension.
    ASSERT_EQ(EncryptFile(device.fs(), Path("b.txt"), Path("B.ENC"), "pw"), CryptResult::Ok);
    ASSERT_EQ(EncryptFile(device.fs(), Path("x.src"), Path("x.txt"), "pw"), CryptResult::Ok);
    ASSERT_TRUE(device.fs().DeleteFile(Path("b.txt")));
    ASSERT_TRUE(device.fs().DeleteFile(Path("x.src")));
    Open();
    AnswerPassword(QStringLiteral("pw"));
    Select({QStringLiteral("B.ENC"), QStringLiteral("x.txt")});
    ASSERT_TRUE(frame().OnCommand(ID_FILE_DECRYPT));
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_NOT_ENCRYPTED_FILE}));
    EXPECT_EQ(prompt.messages[0].text, Joined("x.txt", IDS_NOT_ENCRYPTED_FILE));
    EXPECT_EQ(device.Read(Path("b.txt")), "bee");
    EXPECT_FALSE(device.Exists(Path("x.src")));
    EXPECT_EQ(SelectedNames(), QStringList({"b.txt"}));
}

TEST_F(CryptCommandTest, ARomFileInTheMiddleIsRefusedAndTheOthersAreEncrypted) {
    device.Make({"\\My Documents\\a.txt=a", "\\My Documents\\b.txt=b", "\\My Documents\\c.txt=c"});
    device.SetRawAttributes(Path("b.txt"), Attr::kInRom);
    device.settings().SetProfileIntById(IDS_SECTION_FILEVIEW, IDS_KEY_HIDE_ROM_FILE, 0);
    Open();
    AnswerPassword(QStringLiteral("pw"), true);
    Select({QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("c.txt")});
    ASSERT_TRUE(frame().OnCommand(ID_FILE_ENCRYPT));
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_CANNOT_ENCRYPT_ROM_FILE}));
    EXPECT_EQ(prompt.messages[0].style, MessageStyle::Exclamation);
    EXPECT_EQ(device.List(kFolder), QStringList({"a.txt.enc", "b.txt", "c.txt.enc"}));
    EXPECT_EQ(RowNames(), QStringList({"b.txt", "c.txt.enc", "a.txt.enc"}));
    EXPECT_EQ(SelectedNames(), QStringList({"a.txt.enc", "c.txt.enc"}));
}

TEST_F(CryptCommandTest, CancellingTheDialogOrTheWorkChangesNothing) {
    device.Make({"\\My Documents\\big.bin#300000"});
    Open();
    Select({QStringLiteral("big.bin")});
    const QStringList before = device.Snapshot();
    frame().SetDialogRunner([](QDialog&) { return int(QDialog::Rejected); });
    ASSERT_TRUE(frame().OnCommand(ID_FILE_ENCRYPT));
    EXPECT_EQ(device.Snapshot(), before);

    // A cancel in the progress window after the first piece: the run ends quietly.
    auto* sink = new ScriptedProgress;
    sink->answer = [](const ProgressState&) { return false; };
    frame().SetProgressFactory([sink](const QString& title) {
        EXPECT_EQ(title, QStringLiteral("檔案加密"));
        return std::unique_ptr<Progress>(sink);
    });
    AnswerPassword(QStringLiteral("pw"), true);
    ASSERT_TRUE(frame().OnCommand(ID_FILE_ENCRYPT));
    EXPECT_TRUE(prompt.messages.isEmpty());
    EXPECT_EQ(device.Snapshot(), before);
    EXPECT_EQ(RowNames(), QStringList({"big.bin"}));
}

TEST_F(CryptCommandTest, AnEncryptedFileNamedOnTheCommandLineIsDecryptedAtStart) {
    device.Make({"\\Temp\\a.txt=hello"});
    ASSERT_EQ(EncryptFile(device.fs(), "\\Temp\\a.txt", "\\Temp\\a.txt.enc", "pw"),
              CryptResult::Ok);
    ASSERT_TRUE(device.fs().DeleteFile("\\Temp\\a.txt"));
    device.settings().SetProfileTextById(IDS_SECTION_MAIN, IDS_KEY_WORK_DIRECTORY, "\\Temp");
    device.settings().SetProfileTextById(IDS_SECTION_MAIN, IDS_KEY_COMMAND_FILE,
                                         "\\Temp\\a.txt.enc");
    Open();
    AnswerPassword(QStringLiteral("pw"));
    frame().PostMessage(FrameMessage::DecryptCommandFile);
    Settle();
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_EQ(device.Read("\\Temp\\a.txt"), "hello");
    EXPECT_EQ(SelectedNames(), QStringList({"a.txt"}));
}

TEST(PasswordDialog, OkNeedsAPasswordAndTheConfirmationMustMatchExactly) {
    RecordingPrompt prompt;
    CPasswordDlg dialog(prompt, CPasswordDlg::kEncrypt);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("檔案加密"));
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
    EXPECT_EQ(prompt.messages[0].style, MessageStyle::Stop);
    EXPECT_EQ(prompt.messages[0].caption, LoadStr(IDS_APP_TITLE));
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
