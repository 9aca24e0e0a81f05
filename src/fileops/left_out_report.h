#pragma once

#include <QList>
#include <QPair>
#include <QStringList>

#include "platform/device_fs.h"

class UserPrompt;

// The summary after a copy, move or delete: message IDS_ITEMS_LEFT_OUT naming what the run left
// out, then message IDS_ITEMS_RENAMED naming what it stored under a numbered name because a sibling
// differs from it only in letter case ("source → target"); nothing when both lists are empty. A box
// shows at most maxListed lines and then "…"; the first message ends with why the device
// refused (cause).
void ReportLeftOut(UserPrompt& prompt, const QStringList& leftOut,
                   const QList<QPair<QString, QString>>& renamed, int maxListed = 20,
                   DeviceError cause = DeviceError::None);
