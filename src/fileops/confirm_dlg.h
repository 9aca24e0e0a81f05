#pragma once

#include <QDialog>
#include <QIcon>
#include <QString>

#include "app/user_prompt.h"

class DeviceFs;
class QLabel;

// The one-item question of delete and paste: Yes, No, Yes to all and Cancel. Template 6001
// asks plainly; 6002 shows size, date and icon of the file that would be replaced and of the
// one that would replace it. A command may show one dialog several times; result() holds the
// last answer.
class CConfirmDlg : public QDialog {
    Q_OBJECT
public:
    CConfirmDlg(int templateId, DeviceFs& fs, QWidget* parent = nullptr);

    void SetMessage(const QString& text);
    void SetExistingFile(const QString& path) { existingPath_ = path; }
    // The icon is the one the file list shows for a row of that name (image 1 without one).
    void SetNewFile(const QString& path, const QIcon& icon);
    int titleId = 0;
    int allButtonId = 0;

    int templateId() const { return templateId_; }
    ConfirmAnswer answer() const { return answer_; }
    // Prepares and shows the dialog modally; returns the answer.
    ConfirmAnswer Ask();
    // The same preparation without the modal loop (tests and screenshots show it themselves).
    void Prepare();

protected:
    void reject() override;

private:
    void Answer(ConfirmAnswer answer);
    void FillLines(const QString& path, QLabel* size, QLabel* date);

    const int templateId_;
    DeviceFs& fs_;
    ConfirmAnswer answer_;
    QString existingPath_;
    QString newPath_;
    QIcon icon_;
    QLabel* message_ = nullptr;
    QLabel* existingIcon_ = nullptr;
    QLabel* newIcon_ = nullptr;
    QLabel* existingSize_ = nullptr;
    QLabel* existingDate_ = nullptr;
    QLabel* newSize_ = nullptr;
    QLabel* newDate_ = nullptr;
};
