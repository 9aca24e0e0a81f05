#pragma once

#include <QString>

class UserPrompt;

// Loads text and caption by id and shows the box; returns the button pressed.
int ShowMessage(UserPrompt& prompt, int textId, int captionId, int style);
// A message whose text was filled in by the caller (a file name joined to it, a "%s").
int ShowFilledMessage(UserPrompt& prompt, int textId, const QString& text, int style);

// The string with its first "%s" replaced (and "%d" for numbers), as the message texts use.
QString FormatStr(int id, const QString& argument);
QString FormatStr(int id, qint64 number);
