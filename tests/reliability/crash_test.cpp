// A process putting items into the bin is killed at random moments. On the next start every
// item must be in its place or listed in the bin, and the listed ones must restore whole.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDateTime>
#include <QElapsedTimer>
#include <random>

#include "app/clock.h"
#include "app/settings_store.h"
#include "device_picture.h"
#include "fileops/delete_items.h"
#include "recycle/recycle_bin.h"
#include "reliability_tally.h"
#include "resources/ids.h"
#include "support/recording_prompt.h"
#include "support/temp_device.h"

namespace {

const QStringList kItems = {"\\Docs", "\\big.bin", "\\a.txt", "\\Music", "\\b.txt"};

void MakeItems(TempDevice& dev) {
    QStringList description = {"\\big.bin#3000000", "\\a.txt=alpha", "\\b.txt#5000",
                               "\\Music\\song.mp3#400000", "\\Music\\list\\"};
    for (int i = 0; i < 120; ++i)
        description.append(
            QStringLiteral("\\Docs\\d%1\\f%2.txt#%3").arg(i % 7).arg(i).arg(1000 + i * 10));
    dev.Make(description);
}

// The delete command putting every item into the bin, as the explorer runs it; the child
// ends without any clean-up of its own.
[[noreturn]] void PutEverything(TempDevice& dev) {
    RecordingPrompt prompt;
    Clock clock;
    RecycleBin bin(dev.fs(), dev.settings(), prompt, clock);
    bin.Open();
    DeleteOptions options;
    options.bin = &bin;
    DeleteItems(dev.fs(), prompt, kItems, options);
    ::_exit(0);
}

struct CrashRound {
    bool killed = false;
    qint64 bytesLost = 0;
    int unrestorable = 0;
    QStringList lost;
    // Files left in the bin besides its index once everything was restored (archives a kill
    // cut short would be).
    int leftovers = 0;
};

// microseconds: when to kill the child; negative lets it finish.
CrashRound RunRound(qint64 killAfterUs, qint64* tookUs = nullptr) {
    TempDevice dev;
    dev.settings().SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_POS, 0);
    MakeItems(dev);
    const DevicePicture origin = DevicePicture::Take(dev).WithoutBins();

    CrashRound round;
    QElapsedTimer timer;
    timer.start();
    const pid_t child = ::fork();
    if (child == 0) PutEverything(dev);
    if (killAfterUs >= 0) {
        ::usleep(useconds_t(killAfterUs));
        ::kill(child, SIGKILL);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (tookUs) *tookUs = timer.nsecsElapsed() / 1000;
    round.killed = WIFSIGNALED(status);

    // The next start: the bin reads its index and takes in unlisted archives; everything
    // it lists is restored (replacing what is left of a half-deleted folder).
    RecordingPrompt prompt;
    Clock clock;
    RecycleBin bin(dev.fs(), dev.settings(), prompt, clock);
    bin.Open();
    QList<int> rows;
    for (int row = 0; row < bin.entries().size(); ++row)
        rows.append(row);
    bin.RestoreFromBin(rows);
    round.unrestorable = int(bin.entries().size());
    for (const QString& name : dev.List(bin.binPath())) {
        if (!IsBinIndex(bin.binPath() + QLatin1Char('\\') + name)) ++round.leftovers;
    }
    const DevicePicture after = DevicePicture::Take(dev).WithoutBins();
    for (auto it = origin.files.begin(); it != origin.files.end(); ++it) {
        if (after.files.value(it.key()) == it.value()) continue;
        round.bytesLost += it.value().size;
        round.lost.append(it.key());
    }
    return round;
}

}  // namespace

TEST(CrashWhilePutting, EveryItemIsInPlaceOrRestorableFromTheBin) {
    const int rounds = qEnvironmentVariableIsSet("NUVIO_CRASH_ROUNDS")
                           ? qEnvironmentVariableIntValue("NUVIO_CRASH_ROUNDS")
                           : 10;
    const unsigned seed = qEnvironmentVariableIsSet("NUVIO_CRASH_SEED")
                              ? unsigned(qEnvironmentVariableIntValue("NUVIO_CRASH_SEED"))
                              : unsigned(QDateTime::currentMSecsSinceEpoch());
    std::printf("crash test: seed %u (NUVIO_CRASH_SEED repeats it)\n", seed);

    qint64 wholeUs = 0;
    const CrashRound whole = RunRound(-1, &wholeUs);
    ASSERT_FALSE(whole.killed);
    ASSERT_EQ(whole.bytesLost, 0) << whole.lost.join(", ");

    ReliabilityTally tally{QStringLiteral("crash"), QStringLiteral("KillWhilePuttingIntoBin")};
    std::mt19937 rng(seed);
    std::uniform_int_distribution<qint64> when(0, wholeUs + wholeUs / 10);
    for (int i = 0; i < rounds; ++i) {
        const qint64 at = when(rng);
        const CrashRound round = RunRound(at);
        ++tally.runs;
        tally.faults += round.killed ? 1 : 0;
        tally.bytesLost += round.bytesLost;
        tally.unrestorable += round.unrestorable;
        tally.strays += round.leftovers;
        EXPECT_EQ(round.bytesLost, 0) << "killed after " << at << " us: " << round.lost.join(", ");
        EXPECT_EQ(round.unrestorable, 0) << "killed after " << at << " us";
        EXPECT_EQ(round.leftovers, 0) << "killed after " << at << " us";
    }
    RecordTally(tally);
}
