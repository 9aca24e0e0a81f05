#pragma once

#include <QList>
#include <QPair>
#include <QStringList>

class UserPrompt;

// The summary after a copy, move or delete: message IDS_ITEMS_LEFT_OUT naming what the run left
// out, then message IDS_ITEMS_RENAMED naming what it stored under a numbered name because a sibling
// differs from it only in letter case ("source → target"); nothing when both lists are empty. A box
// shows at most maxListed lines and then "…".
void ReportLeftOut(UserPrompt& prompt, const QStringList& leftOut,
                   const QList<QPair<QString, QString>>& renamed, int maxListed = 20);
