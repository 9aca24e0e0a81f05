#include "support/recording_prompt.h"

// The next scripted answer, or the default once the script has run out.
template <typename Answer>
static Answer Next(std::deque<Answer>& script, Answer otherwise) {
    if (script.empty()) return otherwise;
    const Answer answer = script.front();
    script.pop_front();
    return answer;
}

MessageAnswer RecordingPrompt::ShowMessageBox(const MessageRequest& request) {
    messages.append(request);
    const bool question = request.style == MessageStyle::YesNoQuestion;
    return Next(messageAnswers, question ? MessageAnswer::Yes : MessageAnswer::Ok);
}

ConfirmAnswer RecordingPrompt::Confirm(const ConfirmRequest& request) {
    confirms.append(request);
    return Next(confirmAnswers, ConfirmAnswer::Yes);
}

QList<int> RecordingPrompt::MessageIds() const {
    QList<int> ids;
    for (const MessageRequest& m : messages)
        ids.append(m.textId);
    return ids;
}
