#include "app/path_helpers.h"
#include "app/progress.h"
#include "fileops/tree_ops.h"
#include "fileops/tree_walk.h"
#include "platform/device_fs.h"

// Removal walk: discover every level first (counting the files for the progress report),
// then from the deepest level up delete each folder's files (clearing read-only first,
// leaving ROM files) and then the folder itself. Entries the device cannot show stay and are
// listed as left out, and so does their folder.
TreeResult RemoveTree(DeviceFs& fs, const QString& top, Progress* progress) {
    TreeResult result;
    result.ran = true;
    ProgressTracker tracker(progress);
    // Counting the files costs a look-up each, worth it only when someone watches.
    TreeMeasure measure;
    const FolderLevels levels = DiscoverFolders(fs, top, progress ? &measure : nullptr);
    tracker.SetTotals(measure.bytes, measure.files);
    for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
        for (const QString& folder : *level) {
            if (level != levels.rend() - 1) ++result.folders;
            std::vector<FindData> files;
            if (!ForEachEntry(
                    fs, folder, nullptr,
                    [&](const FindData& entry) {
                        if (!entry.IsFolder()) files.push_back(entry);
                        return true;
                    },
                    false, &result.leftOut)) {
                result.leftOut.append(folder);
                ++result.failedFiles;
            }
            for (const FindData& file : files) {
                if (IsRomFile(file.attributes)) continue;
                const QString path = JoinPath(folder, file.name);
                if (!tracker.Begin(path)) {
                    result.cancelled = true;
                    return result;
                }
                if (file.attributes & Attr::kReadOnly) {
                    fs.SetAttributes(path, file.attributes ^ Attr::kReadOnly);
                }
                result.bytes += file.size;
                if (fs.DeleteFile(path)) {
                    ++result.files;
                } else {
                    result.NoteCause(fs.LastError());
                    result.leftOut.append(path);
                    ++result.failedFiles;
                }
                tracker.Done(file.size);
            }
            fs.RemoveDirectory(folder);
        }
    }
    return result;
}
