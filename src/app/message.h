#pragma once

#include <QString>

#include "app/user_prompt.h"

// Loads text and caption by id and shows the box; returns the button pressed.
MessageAnswer ShowMessage(UserPrompt& prompt, int textId, int captionId, MessageStyle style);
// A message whose text was filled in by the caller (a file name joined to it, a "%s").
MessageAnswer ShowFilledMessage(UserPrompt& prompt, int textId, const QString& text, MessageStyle style);

// The string with its first "%s" replaced (and "%d" for numbers), as the message texts use.
QString FormatStr(int id, const QString& argument);
QString FormatStr(int id, qint64 number);
