#include "cli/cli_prompt.h"

#include "cli/cli_output.h"
#include "cli/cli_texts.h"
#include "resources/ids.h"

void ReportText(const QString& text) {
    QString trimmed = text;
    while (trimmed.endsWith(QLatin1Char(' ')))
        trimmed.chop(1);
    WriteErr(QStringLiteral("nuvio: ") + trimmed + QLatin1Char('\n'));
}

int CliPrompt::ShowMessageBox(const MessageRequest& request) {
    if (request.style == MB_YESNO_QUESTION) {
        if (answer_ == CliAnswer::Yes) return IDYES;
        if (answer_ == CliAnswer::Safe) Declined(request.text);
        return IDNO;
    }
    ReportText(request.text);
    if (messagesFail_) failed_ = true;
    return IDOK;
}

int CliPrompt::Confirm(const ConfirmRequest& request) {
    if (answer_ == CliAnswer::Yes) return CONFIRM_YES_TO_ALL;
    if (answer_ == CliAnswer::Safe) Declined(request.text);
    return CONFIRM_NO;
}

void CliPrompt::Declined(const QString& question) {
    ReportText(question);
    ReportText(QString::fromUtf8(kTextSkipped));
    failed_ = true;
}
