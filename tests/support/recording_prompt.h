#pragma once

#include <QList>
#include <deque>

#include "app/user_prompt.h"

// A UserPrompt that answers from a script and records every question and message.
class RecordingPrompt : public UserPrompt {
public:
    std::deque<MessageAnswer> messageAnswers;  // default Ok (Yes for questions)
    std::deque<ConfirmAnswer> confirmAnswers;  // default Yes
    QList<MessageRequest> messages;
    QList<ConfirmRequest> confirms;

    MessageAnswer ShowMessageBox(const MessageRequest& request) override;
    ConfirmAnswer Confirm(const ConfirmRequest& request) override;

    QList<int> MessageIds() const;
};
