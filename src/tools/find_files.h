#pragma once

#include <QString>
#include <functional>

#include "platform/file_attributes.h"
#include "tools/find_content_matcher.h"

class DeviceFs;
class Progress;
class ProgressTracker;

// One file the search found: its folder and its find record.
struct FoundFile {
    QString folder;
    FindData record;
    QString Path() const;
};

// The file search behind the find dialog and the command-line tool: files under a folder
// whose names match a pattern and, when a text is given, whose content holds it. Folders are
// visited deepest level first (each level in the order found), so deeper results come first.
// Runs to its end inside Run; the callbacks and the progress sink let a window keep painting
// and stop the search, which then ends with the results found so far.
class FileSearch {
public:
    using FolderStarted = std::function<void(const QString& folder)>;
    using FileFound = std::function<void(const FoundFile& file)>;

    FileSearch(DeviceFs& fs, const QString& folder, const QString& pattern, const QString& text);

    // Called as each folder is started (the status line shows it), and for each result.
    void OnFolder(FolderStarted callback) { onFolder_ = std::move(callback); }
    void OnFound(FileFound callback) { onFound_ = std::move(callback); }

    // Searches and returns the number of files found. The sink is updated with each folder
    // and each file whose content is read, and about every megabyte inside a large file;
    // answering false stops the search.
    qint64 Run(Progress* progress = nullptr);

    // Ends a running search after the current file (from a callback or the progress sink).
    void Stop() { stopped_ = true; }
    bool Stopped() const { return stopped_; }
    qint64 Count() const { return count_; }

    // The status line at the end: "找到 %d 個檔案.".
    static QString CountText(qint64 count);

private:
    // false when the search was stopped.
    bool SearchFolder(const QString& folder, ProgressTracker& tracker);

    DeviceFs& fs_;
    QString folder_;
    QString pattern_;
    ContentMatcher matcher_;
    FolderStarted onFolder_;
    FileFound onFound_;
    qint64 count_ = 0;
    bool stopped_ = false;
};
