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
#include <algorithm>

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
#include "fileops/outside_sources.h"
#include "fileops/paste_sources.h"
#include "fileops/selected_items.h"
#include "fileops/transfer_items.h"
#include "platform/device_fs.h"
#include "platform/shell_services.h"
#include "resources/ids.h"

namespace {

// Our own list and, for other programs, the host files as URLs with the markers of a cut.
bool PutOnClipboard(CommandHost& frame, bool cut) {
    const SelectedItems items = GatherSelectedItems(frame);
    if (items.names.isEmpty()) return false;
    QGuiApplication::clipboard()->setMimeData(
        ClipboardTransfer::ItemsMimeData(frame, items, cut).release());
    frame.SetCutMark(cut);
    return true;
}

}  // namespace

std::unique_ptr<QMimeData> ClipboardTransfer::ItemsMimeData(CommandHost& frame,
                                                            const SelectedItems& items, bool cut) {
    auto data = std::make_unique<QMimeData>();
    data->setData(CommandHost::ClipboardFormat(),
                  EncodeClipboardPayload({items.folder, items.names}));
    data->setData(QLatin1String(kExactItemsFormat), EncodeExactItems(items.folder, items.names));
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
        data->setData(QLatin1String(kGnomeCopiedFiles), gnome);
        data->setData(QLatin1String(kKdeCutSelection), cut ? "1" : "0");
    }
    return data;
}

namespace {

// Brings the list up to date with the pasted items.
class PastedRows {
public:
    PastedRows(CommandHost& frame, const QString& folder)
        : frame_(frame),
          list_(*frame.GetFileView()),
          shown_(folder.compare(frame.GetCurrentFolder(), Qt::CaseInsensitive) == 0),
          select_(frame.GetFileView()->SelectedCount() == 0) {}

    void Add(const QString& destination) {
        FindData record;
        if (!PathExists(frame_.fs(), destination, &record)) return;
        if (!shown_) {
            folderAdded_ = folderAdded_ || record.IsFolder();
            ++count_;
            return;
        }
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
        if (shown_) list_.ActiveView()->setFocus();
        frame_.UpdateCommandUi();
        if (folderAdded_) frame_.GetTreeView()->RefreshSelected();
    }

private:
    CommandHost& frame_;
    CFileView& list_;
    const bool shown_;  // the destination is the folder the list shows
    const bool select_;
    int count_ = 0;
    bool folderAdded_ = false;
};

// Copies or moves the sources into the folder; outside files through a device that mounts
// their folders.
TransferResult PasteInto(CommandHost& frame, const PasteSources& sources, const QString& folder,
                         bool move, bool shortcuts, PastedRows& rows) {
    QList<TransferItem> items;
    QStringList outside;
    for (const PasteSource& source : sources.items) {
        if (source.outside) outside.append(source.path);
    }
    OutsideMount mount;
    if (!outside.isEmpty()) {
        mount = MountOutsideFiles(frame.fs(), outside);
        if (!mount.fs) return {};
    }
    DeviceFs& fs = mount.fs ? *mount.fs : frame.fs();
    qsizetype nextOutside = 0;
    for (const PasteSource& source : sources.items) {
        const QString path = source.outside ? mount.paths[nextOutside++] : source.path;
        items.append({path, JoinPath(folder, FileNamePart(path))});
    }
    TransferResult result;
    BeginWaitCursor();
    if (shortcuts) {
        // No space, same-place, replacement or ROM rules: a shortcut never replaces. Only
        // to files of the device: a card mounted for the paste is gone afterwards.
        const QString quote = LoadStr(IDS_QUOTE);
        for (int i = 0; i < items.size(); ++i) {
            if (sources.items[i].outside) continue;
            QString link = items[i].destination + QStringLiteral(".lnk");
            if (PathExists(fs, link)) link = MakeUniqueName(fs, link);
            if (frame.shell().CreateShortcut(link, quote + items[i].source + quote)) {
                rows.Add(link);
            }
        }
    } else {
        std::unique_ptr<Progress> progress = frame.BeginProgress(LoadStr(IDS_PASTE));
        result = TransferItems(fs, frame.prompt(), items, move, progress.get());
        for (int i = 0; i < items.size(); ++i) {
            const TransferOutcome outcome = result.outcomes[i];
            if (outcome == TransferOutcome::Done || outcome == TransferOutcome::SourceKept) {
                rows.Add(result.destinations[i]);
            }
            // A file that failed whole is named too; a folder's walk named what it left.
            const bool failed =
                outcome == TransferOutcome::CopyFailed || outcome == TransferOutcome::SourceKept;
            const QString& source = items[i].source;
            const QString inside = source + QLatin1Char('\\');
            const bool named = std::any_of(
                result.leftOut.cbegin(), result.leftOut.cend(), [&](const QString& left) {
                    return left == source || left.startsWith(inside, Qt::CaseInsensitive);
                });
            if (failed && !named) result.leftOut.append(source);
        }
    }
    EndWaitCursor();
    return result;
}

void PasteItems(CommandHost& frame, bool shortcuts) {
    const QString folder = frame.GetCurrentFolder();
    PastedRows rows(frame, folder);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    std::optional<PasteSources> sources;
    if (data) sources = ReadPasteSources(*data, CommandHost::ClipboardFormat(), frame.fs());
    // Our own mark counts for our own list; another program's list carries its own.
    const bool cut = sources && !sources->own ? sources->cut : frame.cutMark();
    TransferResult result;
    if (sources) result = PasteInto(frame, *sources, folder, cut, shortcuts, rows);
    ReportLeftOut(frame.prompt(), result.leftOut, result.renamed, 20, result.Cause());
    // A cut is pasted once, whatever came of it.
    if (cut) QGuiApplication::clipboard()->clear();
    frame.SetCutMark(false);
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

void Drop(CommandHost& frame, const QMimeData& data, const QString& folder, bool move) {
    std::optional<PasteSources> sources =
        ReadPasteSources(data, CommandHost::ClipboardFormat(), frame.fs());
    if (!sources) return;
    PastedRows rows(frame, folder);
    const TransferResult result = PasteInto(frame, *sources, folder, move, false, rows);
    ReportLeftOut(frame.prompt(), result.leftOut, result.renamed, 20, result.Cause());
    rows.Finish();
}

}  // namespace ClipboardTransfer
