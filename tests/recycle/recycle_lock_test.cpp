#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "recycle/recycle_bin_rig.h"

// Several programs on one bin: each change happens under the bin's lock, on the index as
// another program left it.

TEST(RecycleLock, NoProgramDropsAnothersEntriesNorWritesAStaleIndex) {
    BinRig rig;
    rig.dev.Make({"\\~Recycle\\", "\\A\\report.txt=from A", "\\B\\report.txt=from B", "\\c=c"});
    rig.OpenInMainMemory();
    RecycleBin other(rig.dev.fs(), rig.dev.settings(), rig.prompt, rig.clock);
    other.Open();
    ASSERT_TRUE(rig.bin.MoveToRecycleBin("\\A\\report.txt"));
    ASSERT_TRUE(other.MoveToRecycleBin("\\B\\report.txt"));
    EXPECT_EQ(other.entries().size(), 2);
    const quint64 shown = rig.bin.generation();
    rig.bin.Refresh();  // the explorer's dialog
    EXPECT_NE(rig.bin.generation(), shown);
    EXPECT_EQ(rig.bin.entries().size(), 2);
    ASSERT_TRUE(other.MoveToRecycleBin("\\c"));
    rig.bin.Close();  // the explorer's exit, with a list one entry short

    RecycleBin next(rig.dev.fs(), rig.dev.settings(), rig.prompt, rig.clock);
    next.Open();
    ASSERT_EQ(next.entries().size(), 3);
    next.RestoreFromBin({0, 1, 2});
    EXPECT_EQ(rig.dev.Read("\\A\\report.txt"), "from A");
    EXPECT_EQ(rig.dev.Read("\\B\\report.txt"), "from B");
    EXPECT_EQ(rig.dev.Read("\\c"), "c");
}

TEST(RecycleLock, ProcessesPuttingItemsOfOneNameAtOnceEachKeepTheirBytes) {
    BinRig rig;
    rig.dev.Make({"\\~Recycle\\"});
    rig.OpenInMainMemory();
    constexpr int kProcesses = 4;
    for (int i = 0; i < kProcesses; ++i)
        rig.dev.File(QStringLiteral("\\D%1\\report.txt").arg(i), QByteArray(300000, char('a' + i)));
    std::vector<pid_t> children;
    for (int i = 0; i < kProcesses; ++i) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            RecycleBin bin(rig.dev.fs(), rig.dev.settings(), rig.prompt, rig.clock);
            bin.Open();
            _exit(bin.MoveToRecycleBin(QStringLiteral("\\D%1\\report.txt").arg(i)) ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    rig.bin.Refresh();
    ASSERT_EQ(rig.bin.entries().size(), kProcesses);
    rig.bin.RestoreFromBin({0, 1, 2, 3});
    EXPECT_TRUE(rig.bin.entries().isEmpty());
    for (int i = 0; i < kProcesses; ++i) {
        EXPECT_EQ(rig.dev.Read(QStringLiteral("\\D%1\\report.txt").arg(i)),
                  QByteArray(300000, char('a' + i)));
    }
}
