#pragma once

#include <QString>

// Every message box and question goes through this seam: the application shows real dialogs,
// tests script the answers and record what was asked.

// How a message box looks: its icon, and whether it asks yes or no.
enum class MessageStyle { Stop, Question, YesNoQuestion, Exclamation, Information };
// The button pressed in a message box.
enum class MessageAnswer { Ok, Cancel, Yes, No };
// The answer to a confirmation dialog.
enum class ConfirmAnswer { Cancel, Yes, No, YesToAll };

struct MessageRequest {
    int textId = 0;  // string id of the message (0 when the text has none)
    QString text;    // the filled text as shown
    int captionId = 0;
    QString caption;
    MessageStyle style = MessageStyle::Information;
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
    virtual MessageAnswer ShowMessageBox(const MessageRequest& request) = 0;
    virtual ConfirmAnswer Confirm(const ConfirmRequest& request) = 0;
};
