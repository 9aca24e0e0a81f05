#include "app/path_helpers.h"
#include "fileops/tree_ops.h"
#include "fileops/tree_walk.h"

TreeMeasure MeasureTree(DeviceFs& fs, const QString& top) {
    TreeMeasure measure;
    WalkTopDown(fs, top, [&](const WalkFolder& folder) {
        if (folder.depth > 0) ++measure.folders;
        for (const FindData& file : folder.files) {
            ++measure.files;
            measure.bytes += file.size;
        }
        return true;
    });
    return measure;
}
