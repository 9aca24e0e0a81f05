#pragma once

#include <QList>
#include <deque>

#include "app/user_prompt.h"

// A UserPrompt that answers from a script and records every question and message.
class RecordingPrompt : public UserPrompt {
public:
    std::deque<int> messageAnswers;  // default IDOK (IDYES for questions)
    std::deque<int> confirmAnswers;  // default CONFIRM_YES
    QList<MessageRequest> messages;
    QList<ConfirmRequest> confirms;

    int ShowMessageBox(const MessageRequest& request) override;
    int Confirm(const ConfirmRequest& request) override;

    QList<int> MessageIds() const;
};
