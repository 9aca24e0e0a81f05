#include "support/recording_prompt.h"

#include "resources/ids.h"

int RecordingPrompt::ShowMessageBox(const MessageRequest& request) {
    messages.append(request);
    if (!messageAnswers.empty()) {
        int answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return request.style == MB_YESNO_QUESTION ? IDYES : IDOK;
}

int RecordingPrompt::Confirm(const ConfirmRequest& request) {
    confirms.append(request);
    if (confirmAnswers.empty()) return CONFIRM_YES;
    int answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

QList<int> RecordingPrompt::MessageIds() const {
    QList<int> ids;
    for (const MessageRequest& m : messages)
        ids.append(m.textId);
    return ids;
}
