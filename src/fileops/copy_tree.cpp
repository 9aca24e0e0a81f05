#include "app/path_helpers.h"
#include "app/progress.h"
#include "fileops/tree_ops.h"
#include "fileops/tree_walk.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"

// Copy walk, level by level from the top:
//  1. create the destination folder (not in archive mode; an existing one is fine),
//  2. copy each file that is not in ROM, or hand it to the archive writer,
//  3. in archive mode record a folder without any entry as an empty folder.
TreeResult CopyTree(DeviceFs& fs, const QString& source, const QString& destination,
                    ArchiveWriter* archive, Progress* progress) {
    TreeResult result;
    if (!archive && IsSameOrInside(destination, source)) return result;
    result.ran = true;
    ProgressTracker tracker(progress);
    const int sourceLength = source.size();

    WalkTopDown(fs, source, [&](const WalkFolder& folder) {
        if (folder.depth > 0) ++result.folders;
        const QString target = destination + folder.path.mid(sourceLength);
        if (!archive) fs.CreateDirectory(target);
        if (!folder.readable) {
            ++result.failedFiles;  // its content is unknown: the copy is not complete
            return true;
        }
        if (archive && folder.empty && !archive->AddEmptyFolder(folder.path)) {
            ++result.failedFiles;
        }
        for (const FindData& file : folder.files) {
            if (IsRomFile(file.attributes)) continue;
            const QString from = JoinPath(folder.path, file.name);
            if (!tracker.Begin(from)) {
                result.cancelled = true;
                return false;
            }
            result.bytes += file.size;
            bool ok =
                archive ? archive->AddFile(from) : fs.CopyFile(from, JoinPath(target, file.name));
            if (ok) {
                ++result.files;
            } else {
                ++result.failedFiles;
            }
            if (!tracker.Done(file.size)) {
                result.cancelled = true;
                return false;
            }
        }
        return true;
    });
    return result;
}
