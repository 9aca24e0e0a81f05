#include <QHash>
#include <QSet>

#include "app/path_helpers.h"
#include "app/progress.h"
#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "fileops/tree_walk.h"
#include "platform/device_fs.h"
#include "platform/device_path.h"

// Copy walk, level by level from the top:
//  1. create the destination folder (not in archive mode; an existing one is fine),
//  2. give each subfolder and file its target name, numbered when a sibling already took
//     that name in another letter case (the host tells them apart, the device does not),
//  3. copy each file that is not in ROM, or hand it to the archive writer,
//  4. in archive mode record each folder, so that its bits and times come back.
// What the walk cannot see or copy is listed in the result, never silently dropped.
TreeResult CopyTree(DeviceFs& fs, const QString& source, const QString& destination,
                    ArchiveWriter* archive, Progress* progress) {
    TreeResult result;
    if (!archive && IsSameOrInside(destination, source)) return result;
    result.ran = true;
    ProgressTracker tracker(progress);
    QHash<QString, QString> targets;  // source folder -> its target, where renamed
    targets.insert(source, destination);

    WalkTopDown(fs, source, [&](const WalkFolder& folder) {
        if (folder.depth > 0) ++result.folders;
        const QString target = archive ? QString() : targets.take(folder.path);
        // A new folder is never open to more people than its source.
        if (!archive && fs.CreateDirectory(target)) {
            if (const auto mode = fs.GetPermissions(folder.path)) fs.SetPermissions(target, *mode);
        }
        for (const QString& skipped : folder.skipped) {
            result.leftOut.append(skipped);
            ++result.failedFiles;
        }
        if (!folder.readable) {
            result.leftOut.append(folder.path);
            ++result.failedFiles;  // its content is unknown: the copy is not complete
            return true;
        }
        // Every folder gets its entry, so that its permission bits and times come back.
        if (archive && !archive->AddFolder(folder.path)) {
            ++result.failedFiles;
        }
        // The names this folder's entries take in the target, case-folded.
        QSet<QString> taken;
        auto targetFor = [&](const QString& from, const QString& name) {
            QString to = JoinPath(target, name);
            if (archive) return to;
            if (taken.contains(to.toCaseFolded())) {
                to = MakeUniqueName(fs, to, &taken);
                result.renamed.append({from, to});
            }
            taken.insert(to.toCaseFolded());
            return to;
        };
        for (const QString& name : folder.subfolders) {
            const QString from = JoinPath(folder.path, name);
            if (!archive) targets.insert(from, targetFor(from, name));
        }
        for (const FindData& file : folder.files) {
            const QString from = JoinPath(folder.path, file.name);
            if (IsRomFile(file.attributes)) {
                result.leftOut.append(from);
                continue;
            }
            if (!tracker.Begin(from)) {
                result.cancelled = true;
                return false;
            }
            result.bytes += file.size;
            const bool ok = archive ? archive->AddFile(from)
                                    : fs.CopyFile(from, targetFor(from, file.name));
            if (ok) {
                ++result.files;
            } else {
                // An archive's writer fails for reasons of its own.
                if (!archive) result.NoteCause(fs.LastError());
                result.leftOut.append(from);
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
