#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>

#include "app/path_helpers.h"
#include "app/progress.h"
#include "fileops/tree_ops.h"
#include "support/faulty_device_fs.h"
#include "support/scripted_progress.h"
#include "support/temp_device.h"

namespace {

// Files made on the host, where names that differ only in case can sit side by side.
void HostFiles(TempDevice& d, const QStringList& files) {
    for (const QString& line : files) {
        const int eq = line.indexOf('=');
        const QString path = d.HostRoot() + "/" + line.left(eq);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(line.mid(eq + 1).toUtf8());
    }
}

// Every file's content below a folder, sorted: what must all arrive, whatever the names.
QStringList Contents(TempDevice& d, const QString& folder) {
    QStringList contents;
    for (const QString& line : d.Snapshot(folder)) {
        if (!line.endsWith('\\')) contents.append(line.section(' ', -1));
    }
    std::sort(contents.begin(), contents.end());
    return contents;
}

QString Deep(int depth) {
    QString path;
    for (int i = 0; i < depth; ++i)
        path += QStringLiteral("\\d%1").arg(i);
    return path;
}

}  // namespace

TEST(CopyTree, CopiesEveryLevelIncludingEmptyFoldersAndSkipsRomAndDotFolders) {
    TempDevice d;
    d.Make({"\\S\\a.txt=a", "\\S\\Empty\\", "\\S\\Sub\\b.txt=bb", "\\S\\Sub\\Deeper\\c.txt=ccc",
            "\\S\\.git\\config=x", "\\S\\.hidden=h", "\\S\\rom.dll=r"});
    d.SetRawAttributes("\\S\\rom.dll", Attr::kInRom);
    ASSERT_TRUE(d.fs().SetPermissions("\\S\\Sub", 0700));
    TreeResult r = CopyTree(d.fs(), "\\S", "\\D");
    EXPECT_TRUE(r.Complete());
    EXPECT_EQ(d.fs().GetPermissions("\\D\\Sub"), 0700u);  // never wider than its source
    EXPECT_EQ(r.files, 4u);
    EXPECT_EQ(r.bytes, 1u + 2 + 3 + 1);
    EXPECT_EQ(d.Snapshot("\\D").size(), 7);
    EXPECT_EQ(d.List("\\D"), (QStringList{".hidden", "a.txt", "Empty\\", "Sub\\"}));
    EXPECT_EQ(d.Read("\\D\\Sub\\Deeper\\c.txt"), "ccc");
}

// No depth limit, but never into the source's own subtree.
TEST(CopyTree, HasNoDepthLimitButRefusesADestinationInsideTheSource) {
    TempDevice d;
    d.Make({"\\S" + Deep(14) + "\\leaf.txt=leaf"});
    EXPECT_FALSE(CopyTree(d.fs(), "\\S", "\\s\\Copy").ran);
    EXPECT_FALSE(d.Exists("\\S\\Copy"));
    EXPECT_TRUE(CopyTree(d.fs(), "\\S", "\\D").Complete());
    EXPECT_EQ(d.Read("\\D" + Deep(14) + "\\leaf.txt"), "leaf");
    EXPECT_TRUE(RemoveTree(d.fs(), "\\S").Complete());
    EXPECT_FALSE(d.Exists("\\S"));
}

TEST(RemoveTree, DeletesReadOnlyFilesButKeepsRomFilesAndTheirFolders) {
    TempDevice d;
    d.Make({"\\T\\ro.txt=r", "\\T\\Sub\\x.txt=x", "\\T\\Keep\\Inner\\rom.dll=r", "\\U\\a.txt=a",
            "\\U\\.git\\config=c"});
    ASSERT_TRUE(d.fs().SetAttributes("\\T\\ro.txt", Attr::kReadOnly));
    d.SetRawAttributes("\\T\\Keep\\Inner\\rom.dll", Attr::kInRom);
    TreeResult r = RemoveTree(d.fs(), "\\T");
    EXPECT_TRUE(r.ran);
    EXPECT_EQ(r.files, 2u);
    EXPECT_EQ(d.List("\\T"), QStringList{"Keep\\"});
    EXPECT_EQ(d.List("\\T\\Keep\\Inner"), QStringList{"rom.dll"});
    // A folder whose name begins with "." is not descended into, so its parent stays.
    RemoveTree(d.fs(), "\\U");
    EXPECT_EQ(d.List("\\U"), QStringList{".git\\"});
    EXPECT_EQ(d.Read("\\U\\.git\\config"), "c");
}

// The device cannot tell "A.txt" from "a.txt"; a copy of a host folder holding both, onto the
// root or a card, keeps both: the second is numbered and named in the result.
TEST(CopyTree, NamesThatDifferOnlyInCaseNeverLandOnOneTarget) {
    TempDevice d({"Card"});
    HostFiles(d, {"S/A.txt=upper", "S/a.txt=lower", "S/Sub/x.txt=big x", "S/sub/x.txt=small x",
                  "S/sub/y.txt=y"});
    const QStringList everything = Contents(d, "\\S");
    ASSERT_EQ(everything.size(), 5);
    for (const QString& destination : {QStringLiteral("\\D"), QStringLiteral("\\Card\\S")}) {
        const TreeResult r = CopyTree(d.fs(), "\\S", destination);
        EXPECT_TRUE(r.Complete()) << destination;
        EXPECT_EQ(Contents(d, destination), everything) << destination;
        ASSERT_EQ(r.renamed.size(), 2) << destination;
        for (const auto& [from, to] : r.renamed)
            EXPECT_TRUE(to.contains("(2)")) << to;
        EXPECT_EQ(d.List(destination).size(), 4);
    }
}

// Whatever a copy cannot see or make is named in the result: host names the device cannot
// show, a folder that cannot be read, a file whose copy failed, a ROM file.
TEST(CopyTree, NamesEveryEntryItLeavesOut) {
    TempDevice d;
    d.Make({"\\S\\a.txt=a", "\\S\\bad.txt=b", "\\S\\Locked\\c.txt=c", "\\S\\rom.dll=r"});
    d.SetRawAttributes("\\S\\rom.dll", Attr::kInRom);
    HostFiles(d, {"S/Meeting 10:30.txt=no device name"});
    FaultyDeviceFs fs(d.fs());
    fs.FailWhen([](FaultyDeviceFs::Op op, const QString& path) {
        return (op == FaultyDeviceFs::Op::Find && path.startsWith("\\S\\Locked\\")) ||
               (op == FaultyDeviceFs::Op::CopyFile && path.endsWith("bad.txt"));
    });
    TreeResult r = CopyTree(fs, "\\S", "\\D");
    EXPECT_FALSE(r.Complete());
    QStringList leftOut = r.leftOut;
    leftOut.sort();
    EXPECT_EQ(leftOut, (QStringList{"\\S\\Locked", "\\S\\Meeting 10:30.txt", "\\S\\bad.txt",
                                    "\\S\\rom.dll"}));
    EXPECT_EQ(d.Read("\\D\\a.txt"), "a");

    // Removal names the entries that stay.
    fs.Reset();
    r = RemoveTree(fs, "\\S");
    EXPECT_EQ(r.leftOut, QStringList{"\\S\\Meeting 10:30.txt"});
}

// A watched removal knows its totals before the first file goes, so the bar advances; a
// cancel stops a removal or a copy after the current file.
TEST(TreeOps, RemovalReportsItsTotalsAndACancelStopsEitherWalk) {
    TempDevice d;
    d.Make({"\\T\\a#1000", "\\T\\Sub\\b#24", "\\T\\Sub\\Deeper\\c#10"});
    ScriptedProgress recorder;
    EXPECT_TRUE(RemoveTree(d.fs(), "\\T", &recorder).Complete());
    ASSERT_FALSE(recorder.reports.empty());
    for (const ProgressState& state : recorder.reports) {
        EXPECT_EQ(state.totalBytes, 1034u);
        EXPECT_EQ(state.totalFiles, 3u);
    }
    EXPECT_EQ(recorder.reports.back().doneBytes, 1034u);

    d.Make({"\\T\\a=1", "\\T\\b=2", "\\T\\c=3", "\\T\\d=4"});
    ScriptedProgress stop;
    stop.answer = [](const ProgressState& state) { return state.doneFiles < 2; };
    const TreeResult r = RemoveTree(d.fs(), "\\T", &stop);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.files, 2u);
    EXPECT_EQ(d.List("\\T").size(), 2);

    // A cancelled copy goes no further: the other folder is not made.
    d.Make({"\\S\\A\\a=1", "\\S\\B\\b=2"});
    stop.answer = [](const ProgressState&) { return false; };
    EXPECT_TRUE(CopyTree(d.fs(), "\\S", "\\C", nullptr, &stop).cancelled);
    EXPECT_EQ(d.List("\\C").size(), 1);
}
