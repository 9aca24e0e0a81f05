#pragma once

#include "app/user_prompt.h"

// The answers given on the command line: --yes answers Yes to all, --no No to all; without
// either every question gets the safe answer (No, the item is skipped) and is reported.
enum class CliAnswer { Safe, Yes, No };

// Messages go to standard error as the explorer's boxes would show them; questions are
// answered from the flags.
class CliPrompt : public UserPrompt {
public:
    void SetAnswer(CliAnswer answer) { answer_ = answer; }
    CliAnswer answer() const { return answer_; }

    MessageAnswer ShowMessageBox(const MessageRequest& request) override;
    ConfirmAnswer Confirm(const ConfirmRequest& request) override;

    // A message was shown or a question was declined without being answered by a flag.
    bool Failed() const { return failed_; }
    // While off, messages are shown without marking the run as failed (a repair notice).
    void SetMessagesFail(bool on) { messagesFail_ = on; }

private:
    void Declined(const QString& question);

    CliAnswer answer_ = CliAnswer::Safe;
    bool failed_ = false;
    bool messagesFail_ = true;
};

// Writes "nuvio: " and the text, a message of the program, to standard error.
void ReportText(const QString& text);
