#include "fileops/clipboard_transfer.h"

// Paste, in order: read the private list; copy or move the items through the paste rules
// (space, same place, replacement question, ROM sources, removal of moved sources); bring
// the list up to date (refresh replaced rows, append new ones, select them when nothing was
// selected before); name in one summary what was left out or renamed; consume a cut;
// refresh the tree when a folder arrived.

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>

#include "app/command_host.h"
#include "app/load_str.h"
#include "app/path_helpers.h"
#include "app/progress.h"
#include "app/wait_cursor.h"
#include "browse/file_view.h"
#include "browse/folder_tree.h"
#include "fileops/clipboard_payload.h"
#include "fileops/file_names.h"
#include "fileops/left_out_report.h"
#include "fileops/selected_items.h"
#include "fileops/transfer_items.h"
#include "platform/device_fs.h"
#include "platform/shell_services.h"
#include "resources/ids.h"

namespace {

const QString kGnomeFormat = QStringLiteral("x-special/gnome-copied-files");
// The names exactly as selected, beside the private list: that list cannot tell a "+" inside
// a name from the separator, so a copy of "a+b.txt" would paste "a" and "b.txt".
const QString kExactNamesFormat = QStringLiteral("application/x-nuvio-item-names");

QByteArray EncodeExactNames(const QStringList& names) {
    return names.join(QChar(0)).toUtf8();
}

bool PutOnClipboard(CommandHost& frame, bool cut) {
    const SelectedItems items = GatherSelectedItems(frame);
    if (items.names.isEmpty()) return false;
    auto data = std::make_unique<QMimeData>();
    data->setData(CommandHost::ClipboardFormat(),
                  EncodeClipboardPayload({items.folder, items.names}));
    data->setData(kExactNamesFormat, EncodeExactNames(items.names));
    // Other file managers read host file URLs; the list above stays the one paste reads.
    QList<QUrl> urls;
    QByteArray gnome = cut ? "cut" : "copy";
    for (const QString& path : items.Paths()) {
        const QString host = frame.fs().HostPath(path);
        if (host.isEmpty()) continue;
        const QUrl url = QUrl::fromLocalFile(host);
        urls.append(url);
        gnome += '\n' + url.toEncoded();
    }
    if (!urls.isEmpty()) {
        data->setUrls(urls);
        data->setData(kGnomeFormat, gnome);
    }
    QGuiApplication::clipboard()->setMimeData(data.release());
    frame.SetCutMark(cut);
    return true;
}

std::optional<ClipboardPayload> ReadClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(CommandHost::ClipboardFormat())) return std::nullopt;
    const QByteArray list = data->data(CommandHost::ClipboardFormat());
    std::optional<ClipboardPayload> payload = DecodeClipboardPayload(list);
    // The exact names count only while they describe the very same list.
    if (payload && data->hasFormat(kExactNamesFormat)) {
        const QString joined = QString::fromUtf8(data->data(kExactNamesFormat));
        const QStringList exact = joined.split(QChar(0), Qt::SkipEmptyParts);
        if (EncodeClipboardPayload({payload->folder, exact}) == list) payload->names = exact;
    }
    return payload;
}

// Brings the list up to date with the pasted items.
class PastedRows {
public:
    explicit PastedRows(CommandHost& frame)
        : frame_(frame),
          list_(*frame.GetFileView()),
          select_(frame.GetFileView()->SelectedCount() == 0) {}

    void Add(const QString& destination) {
        FindData record;
        if (!PathExists(frame_.fs(), destination, &record)) return;
        int row = list_.FindRowByName(FileNamePart(destination));
        if (row >= 0) {
            list_.RefreshRow(row, false);
        } else {
            row = list_.InsertItem(record);
            if (record.IsFolder()) folderAdded_ = true;
        }
        if (row >= 0 && select_) {
            list_.SelectRow(row, RowSelect::Select, RowScope::Add,
                            count_ == 0 ? RowScroll::IntoView : RowScroll::Stay);
        }
        ++count_;
    }

    void Finish() {
        if (count_ == 0) return;
        list_.ActiveView()->setFocus();
        frame_.UpdateCommandUi();
        if (folderAdded_) frame_.GetTreeView()->RefreshSelected();
    }

private:
    CommandHost& frame_;
    CFileView& list_;
    const bool select_;
    int count_ = 0;
    bool folderAdded_ = false;
};

void PasteItems(CommandHost& frame, bool shortcuts) {
    const bool cut = frame.cutMark();
    PastedRows rows(frame);
    TransferResult result;
    if (const std::optional<ClipboardPayload> payload = ReadClipboard()) {
        const QString destinationFolder = frame.GetCurrentFolder();
        QList<TransferItem> items;
        for (const QString& name : payload->names) {
            items.append({JoinPath(payload->folder, name), JoinPath(destinationFolder, name)});
        }
        BeginWaitCursor();
        if (shortcuts) {
            // No space, same-place, replacement or ROM rules: a shortcut never replaces.
            const QString quote = LoadStr(IDS_QUOTE);
            for (const TransferItem& item : items) {
                QString link = item.destination + QStringLiteral(".lnk");
                if (PathExists(frame.fs(), link)) link = MakeUniqueName(frame.fs(), link);
                if (frame.shell().CreateShortcut(link, quote + item.source + quote)) {
                    rows.Add(link);
                }
            }
        } else {
            std::unique_ptr<Progress> progress = frame.BeginProgress(LoadStr(IDS_PASTE));
            result = TransferItems(frame.fs(), frame.prompt(), items, cut, progress.get());
            for (int i = 0; i < items.size(); ++i) {
                const TransferOutcome outcome = result.outcomes[i];
                if (outcome == TransferOutcome::Done || outcome == TransferOutcome::SourceKept) {
                    rows.Add(result.destinations[i]);
                }
            }
        }
        EndWaitCursor();
    }
    ReportLeftOut(frame.prompt(), result.leftOut, result.renamed);
    // A cut is pasted once, whatever came of it.
    if (cut) {
        QGuiApplication::clipboard()->clear();
        frame.SetCutMark(false);
    }
    rows.Finish();
}

}  // namespace

namespace ClipboardTransfer {

bool Copy(CommandHost& frame) {
    return PutOnClipboard(frame, false);
}

bool Cut(CommandHost& frame) {
    return PutOnClipboard(frame, true);
}

void Paste(CommandHost& frame) {
    PasteItems(frame, false);
}

void PasteShortcut(CommandHost& frame) {
    PasteItems(frame, true);
}

}  // namespace ClipboardTransfer
