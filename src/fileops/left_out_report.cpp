#include "fileops/left_out_report.h"

#include "app/device_error_text.h"
#include "app/message.h"
#include "resources/ids.h"

namespace {

void ShowList(UserPrompt& prompt, int id, const QStringList& lines, int maxListed,
              DeviceError cause = DeviceError::None) {
    if (lines.isEmpty()) return;
    QStringList shown = lines.mid(0, maxListed);
    if (lines.size() > shown.size()) shown.append(QStringLiteral("…"));
    ShowFilledMessage(prompt, id, WithCause(FormatStr(id, shown.join(QLatin1Char('\n'))), cause),
                      MessageStyle::Exclamation);
}

}  // namespace

void ReportLeftOut(UserPrompt& prompt, const QStringList& leftOut,
                   const QList<QPair<QString, QString>>& renamed, int maxListed,
                   DeviceError cause) {
    ShowList(prompt, IDS_ITEMS_LEFT_OUT, leftOut, maxListed, cause);
    QStringList moves;
    for (const auto& [from, to] : renamed)
        moves.append(from + QStringLiteral(" → ") + to);
    ShowList(prompt, IDS_ITEMS_RENAMED, moves, maxListed);
}
