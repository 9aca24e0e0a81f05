#include "support/recording_prompt.h"

#include "resources/ids.h"

MessageAnswer RecordingPrompt::ShowMessageBox(const MessageRequest& request) {
    messages.append(request);
    if (!messageAnswers.empty()) {
        MessageAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return request.style == MessageStyle::YesNoQuestion ? MessageAnswer::Yes : MessageAnswer::Ok;
}

ConfirmAnswer RecordingPrompt::Confirm(const ConfirmRequest& request) {
    confirms.append(request);
    if (confirmAnswers.empty()) return ConfirmAnswer::Yes;
    ConfirmAnswer answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

QList<int> RecordingPrompt::MessageIds() const {
    QList<int> ids;
    for (const MessageRequest& m : messages)
        ids.append(m.textId);
    return ids;
}
