#include "tools/find_files.h"

#include <algorithm>
#include <cstdint>

#include "app/message.h"
#include "app/path_helpers.h"
#include "app/progress.h"
#include "fileops/tree_walk.h"
#include "platform/device_fs.h"
#include "resources/ids.h"

namespace {

// Chunks read between two progress reports inside one file (32 KB each).
constexpr int kChunksPerReport = 32;

}  // namespace

QString FoundFile::Path() const {
    return JoinPath(folder, record.name);
}

FileSearch::FileSearch(DeviceFs& fs, const QString& folder, const QString& pattern,
                       const QString& text)
    : fs_(fs), folder_(folder), pattern_(pattern), matcher_(text) {}

QString FileSearch::CountText(qint64 count) {
    return FormatStr(IDS_FILES_FOUND, count);
}

qint64 FileSearch::Run(Progress* progress) {
    count_ = 0;
    stopped_ = false;
    ProgressTracker tracker(progress);
    // A pattern naming a subfolder would put results under the wrong folder.
    if (pattern_.contains(QLatin1Char('\\')) || pattern_.contains(QLatin1Char('/'))) return 0;
    const FolderLevels levels = DiscoverFolders(fs_, folder_);
    for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
        for (const QString& folder : *level) {
            if (!SearchFolder(folder, tracker)) return count_;
        }
    }
    return count_;
}

bool FileSearch::SearchFolder(const QString& folder, ProgressTracker& tracker) {
    if (onFolder_) onFolder_(folder);
    if (!stopped_ && !tracker.Begin(folder)) stopped_ = true;
    if (stopped_) return false;
    FindData entry;
    auto handle = fs_.FindFirst(JoinPath(folder, pattern_), entry);
    if (!handle) return true;
    do {
        if (entry.IsFolder()) continue;
        if (!matcher_.IsEmpty()) {
            const QString path = JoinPath(folder, entry.name);
            if (!tracker.Begin(path)) stopped_ = true;
            if (stopped_) return false;
            int chunks = 0;
            const qint64 size = qint64(std::min<quint64>(entry.size, INT64_MAX));
            const bool holds = matcher_.FileContains(fs_, path, size, [&] {
                if (++chunks % kChunksPerReport == 0 && !tracker.Begin(path)) stopped_ = true;
                return !stopped_;
            });
            if (stopped_) return false;
            if (!holds) continue;
        }
        ++count_;
        if (onFound_) onFound_(FoundFile{folder, entry});
        if (stopped_) return false;
    } while (handle->Next(entry));
    return true;
}
