#include "app/message.h"

#include "app/load_str.h"
#include "app/user_prompt.h"
#include "resources/ids.h"

MessageAnswer ShowMessage(UserPrompt& prompt, int textId, int captionId, MessageStyle style) {
    MessageRequest request;
    request.textId = textId;
    request.text = LoadStr(textId);
    request.captionId = captionId;
    request.caption = LoadStr(captionId);
    request.style = style;
    return prompt.ShowMessageBox(request);
}

MessageAnswer ShowFilledMessage(UserPrompt& prompt, int textId, const QString& text, MessageStyle style) {
    MessageRequest request;
    request.textId = textId;
    request.text = text;
    request.captionId = IDS_APP_TITLE;
    request.caption = LoadStr(IDS_APP_TITLE);
    request.style = style;
    return prompt.ShowMessageBox(request);
}

namespace {

QString ReplaceFirst(QString text, QLatin1String placeholder, const QString& value) {
    int at = text.indexOf(placeholder);
    if (at >= 0) text.replace(at, placeholder.size(), value);
    return text;
}

}  // namespace

QString FormatStr(int id, const QString& argument) {
    return ReplaceFirst(LoadStr(id), QLatin1String("%s"), argument);
}

QString FormatStr(int id, qint64 number) {
    return ReplaceFirst(LoadStr(id), QLatin1String("%d"), QString::number(number));
}
