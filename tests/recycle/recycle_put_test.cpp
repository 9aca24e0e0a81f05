#include <gtest/gtest.h>

#include "fileops/tree_ops.h"
#include "platform/faulty_device_fs.h"
#include "platform/file_time.h"
#include "recycle/recycle_archive_entries.h"
#include "recycle/recycle_bin_rig.h"
#include "recycle/recycle_test_helpers.h"
#include "support/ignore_library_leaks.h"

namespace {

const FileTime kOddTime =
    FileTimeFromDateTime(QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7, 900), Qt::LocalTime));

class RecyclePut : public ::testing::Test {
protected:
    RecyclePut() : fs(rig.dev.fs()) {
        rig.dev.Make({"\\~Recycle\\"});
        rig.OpenInMainMemory();
    }
    // Puts an item in and takes it out again; the observer's calls are recorded.
    RecycleEntry RoundTrip(const QString& item) {
        const QStringList before = rig.dev.Snapshot();
        const std::optional<RecycleEntry> entry = bin.MoveToRecycleBin(item);
        EXPECT_TRUE(entry);
        EXPECT_FALSE(rig.dev.Exists(item));
        RecycleBin::RestoreObserver observer;
        observer.restored = [this](const QString& path, bool existed) {
            calls.append(QStringLiteral("restored %1 %2").arg(path).arg(existed));
        };
        observer.rowRemoved = [this](int row) { calls.append(QStringLiteral("row %1").arg(row)); };
        bin.RestoreFromBin({int(bin.entries.size()) - 1}, observer);
        EXPECT_EQ(rig.dev.Snapshot(), before);
        EXPECT_TRUE(rig.prompt.confirms.isEmpty());
        return entry.value_or(RecycleEntry());
    }

    BinRig rig;
    RecycleBin& bin = rig.bin;
    DeviceFs& fs;
    QStringList calls;
};

}  // namespace

TEST_F(RecyclePut, ASecondItemOfTheSameNameGetsANumberedArchive) {
    rig.dev.Make({"\\A\\report.txt=one", "\\B\\report.txt=second"});
    const std::optional<RecycleEntry> first = bin.MoveToRecycleBin("\\A\\report.txt");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->archivePath, "\\~Recycle\\report.txt.nzc");
    EXPECT_EQ(first->originalPath, "\\A\\report.txt");
    EXPECT_EQ(first->size, 3u);
    EXPECT_EQ(first->attributes, Attr::kArchive);
    EXPECT_EQ(first->deleteTime.fields, (std::array<quint16, 8>{2024, 5, 1, 6, 7, 8, 9, 10}));

    const std::optional<RecycleEntry> second = bin.MoveToRecycleBin("\\B\\report.txt");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->archivePath, "\\~Recycle\\report.txt(2).nzc");
    EXPECT_EQ(bin.entries, QList<RecycleEntry>({*first, *second}));
    EXPECT_TRUE(bin.dirty);
    EXPECT_EQ(rig.dev.List("\\B"), QStringList());
}

TEST_F(RecyclePut, AFileComesBackWithItsAttributesAndEvenSecondWriteTime) {
    const QString file = QStringLiteral("\\My Documents\\a.txt");
    rig.dev.File(file, "alpha");
    ASSERT_TRUE(fs.SetTimes(file, nullptr, nullptr, &kOddTime));
    const quint32 attributes = Attr::kReadOnly | Attr::kHidden | Attr::kArchive;
    ASSERT_TRUE(fs.SetAttributes(file, attributes));
    RoundTrip(file);
    EXPECT_EQ(WriteTime(fs, file), FloorToEvenSecond(kOddTime));
    EXPECT_EQ(*fs.GetAttributes(file), attributes);
    EXPECT_TRUE(bin.entries.isEmpty());
    EXPECT_EQ(rig.dev.List("\\~Recycle"), QStringList());
    EXPECT_EQ(calls, QStringList({"restored \\My Documents\\a.txt 0", "row 0"}));
}

TEST_F(RecyclePut, FoldersEmptyOrNestedComeBackWhole) {
    rig.dev.Make({"\\Empty\\", "\\Docs\\a.txt=alpha", "\\Docs\\sub\\b.bin#20000",
                  "\\Docs\\sub\\deep\\c.txt=gamma", "\\Docs\\empty\\", "\\Docs\\sub\\e\\"});
    ASSERT_TRUE(fs.SetAttributes("\\Empty", Attr::kDirectory | Attr::kHidden));
    const QString deep = QStringLiteral("\\Docs\\sub\\deep\\c.txt");
    ASSERT_TRUE(fs.SetTimes(deep, nullptr, nullptr, &kOddTime));

    RoundTrip("\\Empty");
    EXPECT_TRUE(*fs.GetAttributes("\\Empty") & Attr::kHidden);

    const RecycleEntry docs = RoundTrip("\\Docs");
    EXPECT_EQ(docs.size, 20010u);
    EXPECT_TRUE(docs.IsFolder());
    EXPECT_EQ(WriteTime(fs, deep), FloorToEvenSecond(kOddTime));
}

TEST_F(RecyclePut, ACancelledOrFailedPackLeavesTheItemAndNoArchive) {
    rig.dev.Make({"\\Docs\\a.bin#70000", "\\Docs\\b.txt=bee", "\\f.txt=file"});
    const QStringList before = rig.dev.Snapshot();
    ScriptedProgress cancel;
    cancel.answer = [](const ProgressState& state) { return state.doneFiles == 0; };
    EXPECT_FALSE(bin.MoveToRecycleBin("\\Docs", &cancel));
    EXPECT_FALSE(cancel.reports.isEmpty());

    FaultyDeviceFs faulty(fs);
    faulty.FailWhen([](FaultyDeviceFs::Op op, const QString& path) {
        return op == FaultyDeviceFs::Op::OpenForWrite && path.contains(".nzc");
    });
    RecycleBin faultyBin(faulty, rig.dev.settings(), rig.prompt, rig.clock);
    faultyBin.binPath = bin.binPath;
    faultyBin.binReady = true;
    EXPECT_FALSE(faultyBin.MoveToRecycleBin("\\f.txt"));
    // The bin cannot go into itself.
    EXPECT_FALSE(bin.MoveToRecycleBin("\\~Recycle"));
    EXPECT_EQ(rig.dev.Snapshot(), before);
    EXPECT_TRUE(bin.entries.isEmpty());
    EXPECT_TRUE(faultyBin.entries.isEmpty());
}

TEST_F(RecyclePut, WhatRemoveTreeLeavesBehindStaysAndTheRestIsRecorded) {
    rig.dev.Make({"\\Docs\\a.txt=alpha", "\\Docs\\rom.bin=rom"});
    rig.dev.SetRawAttributes("\\Docs\\rom.bin", Attr::kInRom);
    const std::optional<RecycleEntry> entry = bin.MoveToRecycleBin("\\Docs");
    ASSERT_TRUE(entry);
    EXPECT_EQ(rig.dev.List("\\Docs"), QStringList{"rom.bin"});
    const ArchiveListing listing = ReadArchiveEntries(fs, entry->archivePath);
    ASSERT_EQ(listing.entries.size(), 1);
    EXPECT_EQ(listing.entries[0].path, "\\Docs\\a.txt");
}

TEST_F(RecyclePut, AFaultAtAnyWriteOfAPutLosesNothing) {
    rig.dev.Make(
        {"\\Docs\\a.bin#70000", "\\Docs\\sub\\b.txt=bee", "\\Docs\\empty\\", "\\f.bin#30000"});
    const QStringList before = rig.dev.Snapshot();
    const auto Outside = [this] {
        QStringList paths = rig.dev.Snapshot();
        paths.removeIf([](const QString& p) { return p.startsWith("\\~Recycle\\"); });
        return paths;
    };
    const QStringList outsideBefore = Outside();
    FaultyDeviceFs faulty(fs);
    RecycleBin faultyBin(faulty, rig.dev.settings(), rig.prompt, rig.clock);
    faultyBin.binPath = bin.binPath;
    faultyBin.binReady = true;
    for (const QString item : {"\\f.bin", "\\Docs"}) {
        for (int n = 1;; ++n) {
            ASSERT_LT(n, 1000);
            faulty.Reset();
            faulty.FailMutatingCall(n, DeviceError::DiskFull);
            [[maybe_unused]] IgnoreLibraryLeaks ignore;
            const bool put = faultyBin.MoveToRecycleBin(item).has_value();
            const bool faulted = faulty.FaultsInjected() > 0;
            faulty.Reset();
            // A put that went through despite a fault (one while removing the packed folder,
            // or closing a source that was only read) took something away and restores whole.
            if (put) {
                EXPECT_NE(Outside(), outsideBefore) << item << " fault at call " << n;
                faultyBin.RestoreFromBin({0});
            }
            EXPECT_TRUE(faultyBin.entries.isEmpty()) << "fault at call " << n;
            EXPECT_EQ(rig.dev.Snapshot(), before) << item << " fault at call " << n;
            if (!faulted) {
                EXPECT_GT(n, 10);  // the faults reached the archive's writes
                break;
            }
        }
    }
}

TEST_F(RecyclePut, APackACrashCutShortIsRemovedWhileACompleteOneIsTakenIn) {
    rig.dev.Make({"\\a.txt=alpha", "\\b.txt=beta"});
    ASSERT_TRUE(bin.MoveToRecycleBin("\\a.txt"));
    // As a crash leaves them: one archive complete but not in the index yet, and one still
    // being written under its working name.
    ASSERT_TRUE(fs.MoveFile("\\~Recycle\\a.txt.nzc", "\\~Recycle\\b.txt.nzc.part"));
    ASSERT_TRUE(bin.MoveToRecycleBin("\\b.txt"));
    ASSERT_TRUE(fs.MoveFile("\\~Recycle\\b.txt.nzc", "\\~Recycle\\late.nzc"));
    bin.LoadRecycleIndex();
    EXPECT_EQ(rig.dev.List("\\~Recycle"), QStringList{"late.nzc"});
    ASSERT_EQ(bin.entries.size(), 1);
    EXPECT_EQ(bin.entries[0].originalPath, "\\b.txt");
}
