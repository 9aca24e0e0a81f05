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

MessageAnswer CliPrompt::ShowMessageBox(const MessageRequest& request) {
    if (request.style == MessageStyle::YesNoQuestion) {
        if (answer_ == CliAnswer::Yes) return MessageAnswer::Yes;
        if (answer_ == CliAnswer::Safe) Declined(request.text);
        return MessageAnswer::No;
    }
    ReportText(request.text);
    if (messagesFail_) failed_ = true;
    return MessageAnswer::Ok;
}

ConfirmAnswer CliPrompt::Confirm(const ConfirmRequest& request) {
    if (answer_ == CliAnswer::Yes) return ConfirmAnswer::YesToAll;
    if (answer_ == CliAnswer::Safe) Declined(request.text);
    return ConfirmAnswer::No;
}

void CliPrompt::Declined(const QString& question) {
    ReportText(question);
    ReportText(Cli::tr(kTextSkipped));
    failed_ = true;
}
