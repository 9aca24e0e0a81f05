#pragma once

#include <QPointer>
#include <QWidget>

#include "app/user_prompt.h"

// The application's prompt: real modal message boxes owned by the main window. Without
// interaction (screenshots) the texts go to the error stream and the safe answer is taken:
// OK, No, Cancel.
class QtUserPrompt : public UserPrompt {
public:
    explicit QtUserPrompt(bool interactive = true) : interactive_(interactive) {}

    void SetOwner(QWidget* owner) { owner_ = owner; }

    int ShowMessageBox(const MessageRequest& request) override;
    // A plain question with Yes, Yes to all, No and Cancel.
    int Confirm(const ConfirmRequest& request) override;

private:
    QWidget* Owner() const;

    bool interactive_;
    QPointer<QWidget> owner_;
};
