#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include "platform/device_fs.h"

class Progress;

// What a tree walk did. Sizes are 64-bit throughout.
struct TreeResult {
    bool ran = false;         // false: refused before anything was touched
    bool cancelled = false;   // stopped by the user after the current file
    quint64 files = 0;        // files handled successfully
    quint64 failedFiles = 0;  // files that could not be handled (unreadable folders count too)
    quint64 bytes = 0;        // bytes of the files met (ROM files are skipped, not counted)
    quint64 folders = 0;      // folders met below the top
    // Device paths of what the walk left out: files that failed or stay in ROM, folders it
    // could not read, and (as folder\name) host entries the device cannot show.
    QStringList leftOut;
    // (source, where it went) for an entry whose name differs only in letter case from a
    // sibling already written: it was stored under a numbered name instead of replacing it.
    QList<QPair<QString, QString>> renamed;
    // Why the first file or folder that the device refused failed, for the message.
    DeviceError cause = DeviceError::None;
    void NoteCause(DeviceError error) {
        if (cause == DeviceError::None) cause = error;
    }
    bool Complete() const { return ran && !cancelled && failedFiles == 0; }
};

struct TreeMeasure {
    quint64 folders = 0;  // below the top
    quint64 files = 0;    // in the top and below, ROM files too
    quint64 bytes = 0;
};

// Receives the files of a tree instead of copies (the recycle bin packs them).
class ArchiveWriter {
public:
    virtual ~ArchiveWriter() = default;
    virtual bool AddFile(const QString& path) = 0;
    virtual bool AddFolder(const QString& path) = 0;
};

// Copies a tree top-down, creating each folder before the ones below it and replacing files
// of the same name; ROM files are skipped. Two source entries whose names differ only in
// letter case never land on one target: the second gets a numbered name (a(2).txt). With an
// archive writer no folder is created: the files (and empty folders) go to the writer. A
// destination inside the source is refused. Entries the device cannot show count as failed.
TreeResult CopyTree(DeviceFs& fs, const QString& source, const QString& destination,
                    ArchiveWriter* archive = nullptr, Progress* progress = nullptr);

// Removes a tree from the deepest level up: read-only files too, ROM files and folders whose
// names begin with "." stay, and so do the folders that hold them. With a progress sink the
// files are counted while the folders are found, so that the report has totals.
TreeResult RemoveTree(DeviceFs& fs, const QString& top, Progress* progress = nullptr);

TreeMeasure MeasureTree(DeviceFs& fs, const QString& top);
