#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UserPrompt;

// The password dialog of the encrypt and decrypt commands (template 6016): the password,
// in encrypt mode its confirmation, and whether to delete the original afterwards.
class CPasswordDlg : public QDialog {
    Q_OBJECT
public:
    enum Mode { kDecrypt = 0, kEncrypt = 1 };
    static constexpr int kMaxPasswordLength = 127;

    CPasswordDlg(UserPrompt& prompt, Mode mode, QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    QString password() const { return password_; }
    bool deleteOriginal() const { return deleteOriginal_; }

    // OK: in encrypt mode the two fields must match exactly (message IDS_PASSWORD_MISMATCH
    // otherwise).
    void accept() override;

private:
    UserPrompt& prompt_;
    Mode mode_;
    QString password_;
    bool deleteOriginal_ = false;
    QLineEdit* passwordEdit_ = nullptr;
    QLabel* confirmLabel_ = nullptr;
    QLineEdit* confirmEdit_ = nullptr;
    QCheckBox* deleteBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
