#pragma once

#include <QString>

// Every message box and question goes through this seam: the application shows real dialogs,
// tests script the answers and record what was asked.

struct MessageRequest {
    int textId = 0;  // string id of the message (0 when the text has none)
    QString text;    // the filled text as shown
    int captionId = 0;
    QString caption;
    int style = 0;  // MB_ICONSTOP, MB_ICONEXCLAMATION, MB_ICONINFORMATION, MB_YESNO_QUESTION
};

struct ConfirmRequest {
    int templateId = 0;  // IDD_CONFIRM or IDD_CONFIRM_REPLACE
    int textId = 0;
    QString text;
    int titleId = 0;       // 0: the template's own title
    int allButtonId = 0;   // 0: the template's own text of the all button
    QString existingPath;  // replacement question: the file that would be replaced
    QString newPath;       // and the file that would replace it
};

class UserPrompt {
public:
    virtual ~UserPrompt() = default;
    // Returns the button pressed: IDOK, IDYES or IDNO.
    virtual int ShowMessageBox(const MessageRequest& request) = 0;
    // Returns CONFIRM_YES, CONFIRM_NO, CONFIRM_YES_TO_ALL or CONFIRM_CANCEL.
    virtual int Confirm(const ConfirmRequest& request) = 0;
};
