// Fault injection through the device layer: each operation runs again and again with its
// first, second, third... write, rename or delete failing (disk full or I/O error in turn)
// until it runs without a fault. After each fault, and after the bin was read again as on
// the next start and everything in it restored, every byte the user had must still be there,
// and no file may be left that is neither as before nor as after the operation. The suite's
// main prints one line per case and writes them as JSON where NUVIO_RELIABILITY_SUMMARY names
// a file.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <functional>
#include <optional>

#include "app/clock.h"
#include "app/path_helpers.h"
#include "app/settings_store.h"
#include "crypt/decrypt_file.h"
#include "crypt/encrypt_file.h"
#include "fileops/delete_items.h"
#include "fileops/transfer_items.h"
#include "recycle/recycle_bin.h"
#include "recycle/recycle_index.h"
#include "resources/ids.h"
#include "support/faulty_device_fs.h"
#include "support/ignore_library_leaks.h"
#include "support/recording_prompt.h"
#include "support/temp_device.h"
#include "tools/favorites_list.h"

namespace {

// What a case tried, for the summary.
struct Tally {
    QString name;
    int runs = 0;    // runs of the operation (one fault each)
    int faults = 0;  // faults injected
    qint64 bytesLost = 0;
    int strays = 0;        // half-written files left where a user would see them
    int unrestorable = 0;  // bin entries that could not be brought back
};
QList<Tally> tallies;

// Every file of a device with its checksum and size, taken before and after an operation to
// tell which bytes are still there.
struct Fact {
    QByteArray md5;
    qint64 size = 0;
    bool operator==(const Fact&) const = default;
};
using Picture = QMap<QString, Fact>;  // device path -> content

bool InBin(const QString& path) {
    return path.contains(QLatin1String("\\~Recycle\\"), Qt::CaseInsensitive);
}

bool IsBinIndex(const QString& path) {
    return InBin(path) && path.endsWith(QLatin1String("\\~Recycle.bin"), Qt::CaseInsensitive);
}

Picture Take(TempDevice& device) {
    Picture picture;
    for (const QString& line : device.Snapshot()) {
        if (line.endsWith(QLatin1Char('\\'))) continue;
        const QString path = line.section(QLatin1Char(' '), 0, -2);
        picture.insert(path, {line.section(QLatin1Char(' '), -1).toLatin1(),
                              qint64(GetFileSize64(device.fs(), path))});
    }
    return picture;
}

// Without the files of the bin folders (the bins' own files change with every save).
Picture WithoutBins(Picture picture) {
    for (auto it = picture.begin(); it != picture.end();)
        it = InBin(it.key()) ? picture.erase(it) : std::next(it);
    return picture;
}

// What a fault left behind, judged against the device before the operation (before), the
// device after the operation ran without a fault (done) and the user's files before anything
// of the case happened (origin).
struct Verdict {
    qint64 bytesLost = 0;  // origin bytes found nowhere they may be
    QStringList lost;      // their paths
    QStringList strays;    // files in neither the before nor the done state (half-written)
};

// strays: every file after the fault must be as in before or as in done; a bin's index lists
// what a partial run did, complete (its readability is checked apart). lost: every file of
// origin must still be at its place, or where done has its content; a file that done no
// longer has anywhere (deleted on purpose) may be gone, but not altered.
Verdict Judge(const Picture& origin, const Picture& before, const Picture& done,
              const Picture& afterFault, const Picture& afterRecovery) {
    Verdict verdict;
    for (auto it = afterFault.begin(); it != afterFault.end(); ++it) {
        if (IsBinIndex(it.key()) || before.value(it.key()) == it.value() ||
            done.value(it.key()) == it.value()) {
            continue;
        }
        verdict.strays.append(it.key());
    }
    for (auto it = origin.begin(); it != origin.end(); ++it) {
        const Fact& fact = it.value();
        if (afterRecovery.value(it.key()) == fact) continue;
        bool moved = false, kept = false;
        for (auto d = done.begin(); d != done.end(); ++d) {
            kept = kept || d.value().md5 == fact.md5;
            moved = moved || (d.value() == fact && afterRecovery.value(d.key()) == fact);
        }
        if (moved) continue;
        const bool asDone = afterRecovery.contains(it.key()) &&
                            afterRecovery.value(it.key()) == done.value(it.key());
        if (!kept && (!afterRecovery.contains(it.key()) || asDone)) continue;
        verdict.bytesLost += fact.size;
        verdict.lost.append(it.key());
    }
    return verdict;
}

const QString kPassword = QStringLiteral("pw");
// Every file and folder gets this write time, so that archives made in two rigs are equal.
constexpr FileTime kFixedTime = 133000000000000000LL;

// A device with a storage card, a bin in main memory over a faulty wrapper, and a scripted
// prompt that answers Yes.
struct FaultRig {
    FaultRig()
        : dev({QStringLiteral("SD")}),
          clock(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9), Qt::LocalTime)),
          faulty(dev.fs()),
          bin(faulty, dev.settings(), prompt, clock),
          favorites(faulty) {
        dev.settings().SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_POS, 0);
        dev.settings().SetProfileTextById(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD, "SD");
        bin.Open();
    }

    // Builds files (see TempDevice::Make); every file and folder gets the fixed write time.
    void Make(const QStringList& description) {
        dev.Make(description);
        FixTimes();
    }
    void FixTimes() {
        for (const QString& line : dev.Snapshot()) {
            const QString path = line.endsWith(QLatin1Char('\\'))
                                     ? line.chopped(1)
                                     : line.section(QLatin1Char(' '), 0, -2);
            dev.fs().SetTimes(path, nullptr, nullptr, &kFixedTime);
        }
    }
    // The user's files now are what the case must not lose (default: just before the run).
    void MarkOrigin() { origin = WithoutBins(Take(dev)); }
    void Put(const QString& path) { ASSERT_TRUE(bin.MoveToRecycleBin(path)) << path; }

    TempDevice dev;
    RecordingPrompt prompt;
    FixedClock clock;
    FaultyDeviceFs faulty;
    RecycleBin bin;
    FavoritesList favorites;
    std::optional<Picture> origin;
};

struct FaultCase {
    const char* name;
    std::function<void(FaultRig&)> prepare;
    std::function<void(FaultRig&)> run;  // through rig.faulty (or rig.bin, which uses it)
};

const QStringList kTree = {
    "\\Docs\\a.bin#70000", "\\Docs\\sub\\b.txt=bee",
    "\\Docs\\empty\\",     QString::fromUtf16(u"\\Docs\\中文.txt=內容"),
    "\\f.bin#30000",
};

void PutBoth(FaultRig& rig) {
    rig.Make(kTree);
    rig.MarkOrigin();
    rig.Put("\\Docs");
    rig.Put("\\f.bin");
    ASSERT_TRUE(rig.bin.SaveRecycleIndex());
}

QList<TransferItem> Items(const QString& folder) {
    return {{"\\Docs", JoinPath(folder, "Docs")}, {"\\f.bin", JoinPath(folder, "f.bin")}};
}

const FaultCase kCases[] = {
    {"PutFileIntoBin", [](FaultRig& r) { r.Make(kTree); },
     [](FaultRig& r) { r.bin.MoveToRecycleBin("\\f.bin"); }},
    {"PutTreeIntoBin", [](FaultRig& r) { r.Make(kTree); },
     [](FaultRig& r) { r.bin.MoveToRecycleBin("\\Docs"); }},
    // Deflated in pieces on several cores; stored by a kernel copy.
    {"PutLongFilesIntoBin",
     [](FaultRig& r) {
         r.Make({"\\L\\long.bin#2500000", "\\L\\clip.mp4#4500000"});
     },
     [](FaultRig& r) { r.bin.MoveToRecycleBin("\\L"); }},
    {"RestoreLongFileFromBin",
     [](FaultRig& r) {
         r.Make({"\\clip.mp4#4500000"});
         r.MarkOrigin();
         r.Put("\\clip.mp4");
         ASSERT_TRUE(r.bin.SaveRecycleIndex());
     },
     [](FaultRig& r) { r.bin.RestoreFromBin({0}); }},
    {"RestoreFromBin",
     [](FaultRig& r) {
         PutBoth(r);
         // A newer file stands where an item comes back; the question is answered Yes.
         r.Make({"\\Docs\\sub\\b.txt=newer bee"});
     },
     [](FaultRig& r) {
         r.bin.RestoreFromBin({0, 1});
     }},
    {"EraseFromBin", PutBoth,
     [](FaultRig& r) {
         r.bin.EraseFromBin({0, 1});
     }},
    {"MoveBinToCard", PutBoth, [](FaultRig& r) { r.bin.SetBinLocation(1, true); }},
    {"SaveRecycleIndex",
     [](FaultRig& r) {
         r.Make(kTree);
         r.MarkOrigin();
         r.Put("\\f.bin");
         ASSERT_TRUE(r.bin.SaveRecycleIndex());
         r.Put("\\Docs");
     },
     [](FaultRig& r) { r.bin.SaveRecycleIndex(); }},
    {"SaveFavorites",
     [](FaultRig& r) {
         r.favorites.LoadFavorites();
         ASSERT_TRUE(r.favorites.SaveFavorites());
         ASSERT_TRUE(r.favorites.AddFavorite(QString::fromUtf16(u"文件"), "\\Docs"));
         r.FixTimes();
     },
     [](FaultRig& r) { r.favorites.SaveFavorites(); }},
    {"PasteCopy", [](FaultRig& r) { r.Make(kTree + QStringList{"\\Dest\\f.bin=older"}); },
     [](FaultRig& r) { TransferItems(r.faulty, r.prompt, Items("\\Dest"), false); }},
    {"PasteMove", [](FaultRig& r) { r.Make(kTree + QStringList{"\\Dest\\f.bin=older"}); },
     [](FaultRig& r) { TransferItems(r.faulty, r.prompt, Items("\\Dest"), true); }},
    {"PasteMoveToCard", [](FaultRig& r) { r.Make(kTree + QStringList{"\\SD\\Dest\\"}); },
     [](FaultRig& r) { TransferItems(r.faulty, r.prompt, Items("\\SD\\Dest"), true); }},
    {"DeleteForGood", [](FaultRig& r) { r.Make(kTree); },
     [](FaultRig& r) {
         DeleteItems(r.faulty, r.prompt, {"\\Docs", "\\f.bin"}, {});
     }},
    {"DeleteIntoBin", [](FaultRig& r) { r.Make(kTree); },
     [](FaultRig& r) {
         DeleteItems(r.faulty, r.prompt, {"\\Docs", "\\f.bin"}, {&r.bin});
     }},
    {"Encrypt", [](FaultRig& r) { r.Make({"\\D\\a.txt#150000"}); },
     [](FaultRig& r) { EncryptFile(r.faulty, "\\D\\a.txt", "\\D\\a.txt.enc", kPassword); }},
    {"Decrypt",
     [](FaultRig& r) {
         r.Make({"\\D\\a.txt#150000"});
         ASSERT_EQ(EncryptFile(r.dev.fs(), "\\D\\a.txt", "\\D\\a.txt.enc", kPassword),
                   CryptResult::Ok);
         r.Make({"\\D\\a.txt=the user's newer text"});
     },
     [](FaultRig& r) { DecryptFile(r.faulty, "\\D\\a.txt.enc", "\\D\\a.txt", kPassword); }},
};

// As on the next start after the fault: the session ends normally (settings and index
// written), the bin is read again and everything in it is restored. Returns the entries
// that could not be.
int Recover(FaultRig& rig) {
    rig.bin.SaveSettings();
    rig.bin.Close();
    RecycleBin next(rig.dev.fs(), rig.dev.settings(), rig.prompt, rig.clock);
    next.Open();
    QList<int> rows;
    for (int row = 0; row < next.entries().size(); ++row)
        rows.append(row);
    next.RestoreFromBin(rows);
    return int(next.entries().size());
}

class FaultInjection : public ::testing::TestWithParam<FaultCase> {};

}  // namespace

TEST_P(FaultInjection, EveryFaultLosesNothingAndLeavesNoHalfFile) {
    const FaultCase& c = GetParam();
    Picture done;
    {
        FaultRig rig;
        c.prepare(rig);
        c.run(rig);
        done = Take(rig.dev);
    }
    Tally tally{QString::fromLatin1(c.name)};
    for (int n = 1;; ++n) {
        ASSERT_LT(n, 2000) << "the operation never ran without a fault";
        FaultRig rig;
        c.prepare(rig);
        ASSERT_FALSE(HasFatalFailure());
        const Picture before = Take(rig.dev);
        const Picture origin = rig.origin.value_or(WithoutBins(before));
        rig.faulty.FailMutatingCall(n, n % 2 ? DeviceError::DiskFull : DeviceError::Io);
        {
            [[maybe_unused]] IgnoreLibraryLeaks ignore;
            c.run(rig);
        }
        const int injected = rig.faulty.FaultsInjected();
        rig.faulty.Reset();
        const Picture afterFault = Take(rig.dev);
        for (const QString& path : afterFault.keys()) {
            if (!IsBinIndex(path)) continue;
            const RecycleIndexContent index = DecodeRecycleIndex(rig.dev.Read(path));
            EXPECT_TRUE(index.complete && index.version == RecycleIndexContent::Version::Current)
                << path << " unreadable after a fault at call " << n;
        }
        const int unrestorable = Recover(rig);
        const Verdict verdict = Judge(origin, before, done, afterFault, Take(rig.dev));
        ++tally.runs;
        tally.faults += injected;
        tally.bytesLost += verdict.bytesLost;
        tally.strays += int(verdict.strays.size());
        tally.unrestorable += unrestorable;
        EXPECT_EQ(verdict.bytesLost, 0) << "fault at call " << n << ": " << verdict.lost.join(", ");
        EXPECT_EQ(verdict.strays, QStringList()) << "fault at call " << n;
        EXPECT_EQ(unrestorable, 0) << "fault at call " << n;
        if (injected == 0) break;
    }
    tallies.append(tally);
}

INSTANTIATE_TEST_SUITE_P(Operations, FaultInjection, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QJsonArray cases;
    std::printf("\n%-28s %6s %6s %10s %6s %12s\n", "case", "runs", "faults", "bytes lost", "strays",
                "unrestorable");
    for (const Tally& t : tallies) {
        std::printf("%-28s %6d %6d %10lld %6d %12d\n", qPrintable(t.name), t.runs, t.faults,
                    static_cast<long long>(t.bytesLost), t.strays, t.unrestorable);
        cases.append(QJsonObject{{"kind", "fault"},
                                 {"name", t.name},
                                 {"runs", t.runs},
                                 {"faults", t.faults},
                                 {"bytesLost", t.bytesLost},
                                 {"strays", t.strays},
                                 {"unrestorable", t.unrestorable}});
    }
    QFile file(qEnvironmentVariable("NUVIO_RELIABILITY_SUMMARY"));
    if (!file.fileName().isEmpty() && file.open(QIODevice::WriteOnly))
        file.write(QJsonDocument(QJsonObject{{"cases", cases}}).toJson());
    return result;
}
