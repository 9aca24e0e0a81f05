#include <gtest/gtest.h>

#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "support/faulty_device_fs.h"
#include "recycle/recycle_archive_extract.h"
#include "recycle/recycle_archive_pack.h"
#include "support/ignore_library_leaks.h"
#include "support/temp_device.h"

namespace {

const QString kArchive = QStringLiteral("\\~Recycle\\Docs.nzc");

}  // namespace

TEST(RecycleArchiveFaults, AFaultAtAnyWriteOfAPackLeavesNoArchiveAndTheItemWhole) {
    TempDevice dev;
    // Stored by type, deflated whole, and deflated in pieces on several cores.
    dev.Make({"\\~Recycle\\", "\\Docs\\a.bin#70000", "\\Docs\\sub\\b.txt=bee", "\\Docs\\empty\\",
              "\\Docs\\c.jpg#3000", "\\Docs\\long.bin#4500000"});
    FaultyDeviceFs faulty(dev.fs());
    const QStringList before = dev.Snapshot();
    for (int n = 1;; ++n) {
        ASSERT_LT(n, 1000) << "the pack never ran without a fault";
        // Every change made to the archive file: its creation, writes, flush, close and
        // rename. (A failed close of a source that was only read loses nothing, nor does a
        // hidden mark the medium cannot store.)
        int archiveCalls = 0;
        faulty.Reset();
        faulty.FailWhen(
            [&](FaultyDeviceFs::Op op, const QString& path) {
                return FaultyDeviceFs::IsMutating(op) && op != FaultyDeviceFs::Op::SetAttributes &&
                       path.startsWith("\\~Recycle") && ++archiveCalls == n;
            },
            DeviceError::DiskFull);
        [[maybe_unused]] IgnoreLibraryLeaks ignore;
        const PackResult pack = PackIntoArchive(faulty, QStringLiteral("\\Docs"), kArchive);
        if (faulty.FaultsInjected() == 0) {
            EXPECT_TRUE(pack.packed);
            EXPECT_GT(n, 20);  // the faults reached the archive's many writes
            break;
        }
        EXPECT_FALSE(pack.packed) << "fault at call " << n;
        EXPECT_EQ(pack.cause, DeviceError::DiskFull) << "fault at call " << n;
        EXPECT_EQ(dev.Snapshot(), before) << "fault at call " << n;
    }
}

TEST(RecycleArchiveFaults, AFaultAtAnyStepOfARestoreNeverDamagesAFile) {
    TempDevice dev;
    DeviceFs& fs = dev.fs();
    dev.Make({"\\~Recycle\\", "\\Docs\\f.bin#50000", "\\Docs\\g.txt=gee", "\\Docs\\empty\\"});
    ASSERT_TRUE(PackIntoArchive(fs, QStringLiteral("\\Docs"), kArchive).packed);
    const QStringList restored = dev.Snapshot(QStringLiteral("\\Docs"));
    const QByteArray packedF = dev.Read(QStringLiteral("\\Docs\\f.bin"));

    FaultyDeviceFs faulty(fs);
    for (int n = 1;; ++n) {
        ASSERT_LT(n, 1000) << "the restore never ran without a fault";
        // An older f.bin stands where the restore goes; the rest is gone.
        dev.File(QStringLiteral("\\Docs\\f.bin"), "older");
        DeleteFileForce(fs, QStringLiteral("\\Docs\\g.txt"));
        fs.RemoveDirectory(QStringLiteral("\\Docs\\empty"));

        faulty.Reset();
        faulty.FailMutatingCall(n, DeviceError::DiskFull);
        const ExtractResult result = ExtractArchive(faulty, kArchive);
        const QByteArray f = dev.Read(QStringLiteral("\\Docs\\f.bin"));
        EXPECT_TRUE(f == "older" || f == packedF) << "fault at call " << n;
        for (const QString& name : dev.List(QStringLiteral("\\Docs"))) {
            EXPECT_FALSE(name.startsWith(QLatin1String("~nzc"))) << name.toStdString();
        }
        if (!result.Complete()) EXPECT_EQ(result.cause, DeviceError::DiskFull) << n;
        if (result.Complete()) {
            EXPECT_EQ(dev.Snapshot(QStringLiteral("\\Docs")), restored) << n;
        }
        if (faulty.FaultsInjected() == 0) {
            EXPECT_TRUE(result.Complete());
            break;
        }
    }
    EXPECT_TRUE(dev.Exists(kArchive));
}
