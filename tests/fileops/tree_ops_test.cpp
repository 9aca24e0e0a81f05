#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <deque>

#include "app/path_helpers.h"
#include "app/progress.h"
#include "fileops/file_names.h"
#include "fileops/transfer_items.h"
#include "fileops/tree_ops.h"
#include "platform/file_attributes.h"
#include "resources/ids.h"
#include "support/faulty_device_fs.h"
#include "support/recording_prompt.h"
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

TEST(FileNames, UniqueNamesNumberBeforeTheExtensionAndNewFoldersWithASpace) {
    TempDevice d;
    d.Make({"\\F\\a.txt", "\\F\\a(2).txt", "\\F\\Memo.lnk", "\\F\\Folder\\", "\\v1.0\\readme"});
    EXPECT_EQ(MakeUniqueName(d.fs(), "\\F\\a.txt"), "\\F\\a(3).txt");
    EXPECT_EQ(MakeUniqueName(d.fs(), "\\F\\Memo.lnk"), "\\F\\Memo(2).lnk");
    EXPECT_EQ(MakeUniqueName(d.fs(), "\\F\\Folder"), "\\F\\Folder(2)");
    EXPECT_EQ(MakeUniqueName(d.fs(), "\\F\\free.txt"), "\\F\\free.txt");
    // The number never lands in a dotted folder name above the file.
    EXPECT_EQ(MakeUniqueName(d.fs(), "\\v1.0\\readme"), "\\v1.0\\readme(2)");
    // New folder names count with a space.
    EXPECT_EQ(MakeNewFolderName(d.fs(), "\\"), "新資料匣");
    d.Make({"\\新資料匣\\", "\\新資料匣 (2)\\"});
    EXPECT_EQ(MakeNewFolderName(d.fs(), "\\"), "新資料匣 (3)");
}

TEST(FileNames, DeleteFileForceClearsReadOnly) {
    TempDevice d;
    d.Make({"\\ro.txt=1", "\\rom.dll=1"});
    ASSERT_TRUE(d.fs().SetAttributes("\\ro.txt", Attr::kReadOnly));
    d.SetRawAttributes("\\rom.dll", Attr::kInRom);
    EXPECT_TRUE(DeleteFileForce(d.fs(), "\\ro.txt"));
    EXPECT_FALSE(DeleteFileForce(d.fs(), "\\rom.dll"));
    EXPECT_FALSE(DeleteFileForce(d.fs(), "\\missing"));
    EXPECT_EQ(d.List("\\"), QStringList{"rom.dll"});
}

TEST(FileNames, FreeSpaceAndTheStorageCardSettingFollowTheVolumes) {
    TempDevice d({"SD"});
    quint64 root = GetFreeSpace(d.fs(), "\\");
    EXPECT_GT(root, 0u);
    quint64 later = GetFreeSpace(d.fs(), "\\Not\\Yet\\There.txt");
    EXPECT_GT(later, 0u);
    EXPECT_LT(later > root ? later - root : root - later, 64ULL * 1024 * 1024);
    EXPECT_GT(GetFreeSpace(d.fs(), "\\SD\\new"), 0u);
    EXPECT_EQ(GetFreeSpace(d.fs(), "relative"), 0u);

    // The card for the bin comes from the settings when it is mounted.
    QString folder;
    EXPECT_FALSE(GetStorageCardFolder(d.fs(), d.settings(), &folder));  // "\" means none
    d.settings().SetProfileTextById(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD, "SD");
    EXPECT_TRUE(GetStorageCardFolder(d.fs(), d.settings(), &folder));
    EXPECT_EQ(folder, "\\SD");
    EXPECT_TRUE(GetStorageCardFolder(d.fs(), d.settings(), &folder, true));
    EXPECT_EQ(folder, "SD");
    d.settings().SetProfileTextById(IDS_SECTION_RECYCLEBIN, IDS_KEY_STORAGE_CARD, "Gone");
    EXPECT_FALSE(GetStorageCardFolder(d.fs(), d.settings(), &folder));
    EXPECT_TRUE(folder.isEmpty());
    EXPECT_EQ(CountStorageCards(d.fs()), 1);
    d.Make({"\\Plain\\"});
    EXPECT_EQ(CountStorageCards(d.fs()), 1);
}

TEST(FileNames, MakePathCreatesEveryMissingFolder) {
    TempDevice d;
    EXPECT_TRUE(MakePath(d.fs(), "\\a\\b\\c"));
    EXPECT_TRUE(d.Exists("\\a\\b\\c"));
    EXPECT_TRUE(MakePath(d.fs(), "\\"));
    d.Make({"\\file=1"});
    EXPECT_FALSE(MakePath(d.fs(), "\\file\\sub"));
    EXPECT_FALSE(MakePath(d.fs(), "\\bad|name\\x"));
}

TEST(TransferItems, ACancelStopsBetweenItemsWithTheCurrentOneWhole) {
    TempDevice dev;
    dev.Make({"\\S\\F\\1.txt=1", "\\S\\F\\2.txt=2", "\\S\\b.txt=b", "\\T\\"});
    ScriptedProgress cancel;  // the second report cancels
    cancel.answer = [&cancel](const ProgressState&) { return cancel.reports.size() < 2; };
    RecordingPrompt prompt;
    const TransferResult result = TransferItems(
        dev.fs(), prompt, {{"\\S\\F", "\\T\\F"}, {"\\S\\b.txt", "\\T\\b.txt"}}, true, &cancel);
    EXPECT_EQ(result.outcomes,
              QList<TransferOutcome>({TransferOutcome::Done, TransferOutcome::NotReached}));
    EXPECT_EQ(dev.List("\\T\\F"), QStringList({"1.txt", "2.txt"}));
    EXPECT_FALSE(dev.Exists("\\S\\F"));
    EXPECT_TRUE(dev.Exists("\\S\\b.txt"));
}

// Items measured first: every report carries the run's totals and the done counts add up
// across items, so a paste's bar crosses the whole run once.
TEST(TransferItems, ProgressAddsUpAcrossItemsAgainstTheRunsTotals) {
    TempDevice dev;
    dev.Make({"\\S\\F\\a#1000", "\\S\\F\\Sub\\b#24", "\\S\\c#10", "\\T\\"});
    ScriptedProgress recorder;
    RecordingPrompt prompt;
    for (bool move : {false, true}) {
        recorder.reports.clear();
        const TransferResult result = TransferItems(
            dev.fs(), prompt,
            {{"\\S\\F", move ? "\\T\\G" : "\\T\\F"}, {"\\S\\c", move ? "\\T\\d" : "\\T\\c"}}, move,
            &recorder);
        EXPECT_EQ(result.outcomes,
                  QList<TransferOutcome>({TransferOutcome::Done, TransferOutcome::Done}));
        quint64 done = 0;
        for (const ProgressState& state : recorder.reports) {
            EXPECT_EQ(state.totalBytes, 1034u);
            EXPECT_EQ(state.totalFiles, 3u);
            EXPECT_GE(state.doneBytes, done);
            done = state.doneBytes;
        }
        EXPECT_EQ(done, 1034u) << move;
    }
}

// Two items of one run whose names differ only in case (the host keeps both) are both
// kept: the second is numbered, without a replacement question, and the result says so.
TEST(TransferItems, ItemsThatDifferOnlyInCaseAreNumberedNotReplaced) {
    TempDevice dev;
    dev.Make({"\\S\\", "\\T\\"});
    for (const char* name : {"A.txt", "a.txt"}) {
        QFile file(dev.HostRoot() + "/S/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name);
    }
    RecordingPrompt prompt;
    const TransferResult result = TransferItems(
        dev.fs(), prompt, {{"\\S\\A.txt", "\\T\\A.txt"}, {"\\S\\a.txt", "\\T\\a.txt"}}, true);
    EXPECT_EQ(result.outcomes,
              QList<TransferOutcome>({TransferOutcome::Done, TransferOutcome::Done}));
    EXPECT_TRUE(prompt.confirms.isEmpty());
    EXPECT_EQ(dev.List("\\T"), QStringList({"a(2).txt", "A.txt"}));
    EXPECT_EQ(dev.Read("\\T\\a(2).txt"), "a.txt");
    EXPECT_EQ(result.destinations[1], "\\T\\a(2).txt");
    ASSERT_EQ(result.renamed.size(), 1);
    EXPECT_EQ(result.renamed[0], qMakePair(QString("\\S\\a.txt"), QString("\\T\\a(2).txt")));
    EXPECT_EQ(dev.List("\\S"), QStringList());
}

// The paste rules one run at a time: the answers given, the outcomes, the messages and what
// the destination holds afterwards ("path=content", or "path!" for a path that must not exist).
TEST(TransferItems, PasteRulesFollowTheAnswersSpaceAndRomSources) {
    struct Row {
        const char* what;
        QStringList files;
        QList<TransferItem> items;
        bool move;
        std::deque<ConfirmAnswer> answers;
        QList<TransferOutcome> outcomes;
        QList<int> messages;
        int confirms;
        QStringList expect;
    };
    using O = TransferOutcome;
    const QStringList both = {"\\S\\F\\x.txt=new x", "\\S\\a.txt=new a",    "\\S\\b.txt=new b",
                              "\\D\\F\\x.txt=old x", "\\D\\F\\y.txt=old y", "\\D\\a.txt=old a",
                              "\\D\\b.txt=old b"};
    const QList<TransferItem> three = {
        {"\\S\\F", "\\D\\F"}, {"\\S\\a.txt", "\\D\\a.txt"}, {"\\S\\b.txt", "\\D\\b.txt"}};
    const Row rows[] = {
        {"copy in place", {"\\S\\a.txt=a"}, {{"\\S\\a.txt", "\\S\\a.txt"}}, false, {},
         {O::Done}, {}, 0, {"\\S\\a(2).txt=a"}},
        {"move in place", {"\\S\\a.txt=a"}, {{"\\S\\a.txt", "\\S\\a.txt"}}, true, {},
         {O::NotReached}, {IDS_SAME_SOURCE_AND_DESTINATION}, 0, {"\\S\\a.txt=a"}},
        {"failed move", {"\\S\\a.txt=data"}, {{"\\S\\a.txt", "\\Gone\\a.txt"}}, true, {},
         {O::CopyFailed}, {}, 0, {"\\S\\a.txt=data"}},
        {"into itself", {"\\A\\B\\x.txt=x"}, {{"\\A", "\\A\\B\\A"}}, true, {}, {O::IntoItself},
         {IDS_CANNOT_MOVE_INTO_ITSELF}, 0, {"\\A\\B\\x.txt=x", "\\A\\B\\A!"}},
        {"copy into itself", {"\\A\\B\\x.txt=x"}, {{"\\A", "\\A\\B\\A"}}, false, {},
         {O::IntoItself}, {IDS_CANNOT_MOVE_INTO_ITSELF}, 0, {"\\A\\B\\A!"}},
        {"yes to all", both, three, false, {ConfirmAnswer::YesToAll}, {O::Done, O::Done, O::Done},
         {}, 1, {"\\D\\F\\x.txt=new x", "\\D\\F\\y.txt=old y", "\\D\\b.txt=new b"}},
        {"no, cancel", both, three, true, {ConfirmAnswer::No, ConfirmAnswer::Cancel},
         {O::Declined, O::Declined, O::NotReached}, {}, 2,
         {"\\D\\F\\x.txt=old x", "\\D\\a.txt=old a", "\\S\\a.txt=new a", "\\S\\b.txt=new b"}},
        {"rom", {"\\S\\r1=1", "\\S\\r2=2", "\\S\\ok=ok", "\\S\\G\\r3=3", "\\S\\G\\f=f", "\\D\\"},
         {{"\\S\\r1", "\\D\\r1"}, {"\\S\\r2", "\\D\\r2"}, {"\\S\\ok", "\\D\\ok"},
          {"\\S\\G", "\\D\\G"}},
         false, {}, {O::RomSource, O::RomSource, O::Done, O::Done}, {IDS_CANNOT_COPY_ROM_FILE},
         0, {"\\D\\r1!", "\\D\\ok=ok", "\\D\\G\\f=f", "\\D\\G\\r3!"}},
    };
    for (const Row& row : rows) {
        TempDevice dev;
        dev.Make(row.files);
        for (const char* rom : {"\\S\\r1", "\\S\\r2", "\\S\\G\\r3"})
            if (dev.Exists(rom)) dev.SetRawAttributes(rom, Attr::kInRom);
        RecordingPrompt prompt;
        prompt.confirmAnswers = row.answers;
        const TransferResult result = TransferItems(dev.fs(), prompt, row.items, row.move);
        EXPECT_EQ(result.outcomes, row.outcomes) << row.what;
        EXPECT_EQ(prompt.MessageIds(), row.messages) << row.what;
        EXPECT_EQ(prompt.confirms.size(), row.confirms) << row.what;
        for (const QString& line : row.expect) {
            if (line.endsWith('!')) {
                EXPECT_FALSE(dev.Exists(line.chopped(1))) << row.what << " " << line;
            } else {
                EXPECT_EQ(dev.Read(line.section('=', 0, 0)), line.section('=', 1).toUtf8())
                    << row.what;
            }
        }
        if (QString(row.what) == "into itself") {
            EXPECT_EQ(prompt.messages[0].text, "無法將資料匣 'A' 複製或搬移到它自己的子資料匣內 !");
        }
        if (QString(row.what) == "rom") {
            EXPECT_EQ(result.leftOut, QStringList{"\\S\\G\\r3"});
            EXPECT_EQ(prompt.messages[0].text, "無法複製放在唯讀記憶體中的檔案 !\n\\S\\r1");
        }
        if (row.confirms == 1) {  // folders come first: one question for everything
            EXPECT_EQ(prompt.confirms[0].text,
                      "這個資料匣內已經有和 'F' 相同的子資料匣. \n你是否要取代這個相同的資料匣 ?");
        }
        if (row.confirms == 2) {  // the folder's question, then the file's with both paths
            EXPECT_EQ(prompt.confirms[0].titleId, IDS_REPLACE_FOLDER_TITLE);
            EXPECT_EQ(prompt.confirms[1].templateId, IDD_CONFIRM_REPLACE);
            EXPECT_EQ(prompt.confirms[1].existingPath, "\\D\\a.txt");
            EXPECT_EQ(prompt.confirms[1].newPath, "\\S\\a.txt");
        }
    }

    // Too little room for the whole run (a sparse file beyond 32 bits) stops it untouched.
    TempDevice dev;
    dev.Make({"\\S\\a.txt=a", "\\S\\b.txt=b", "\\D\\"});
    ASSERT_TRUE(QFile::resize(dev.fs().HostPath("\\S\\a.txt"), qint64(1) << 43));
    RecordingPrompt prompt;
    TransferItems(dev.fs(), prompt, {{"\\S\\a.txt", "\\D\\a.txt"}, {"\\S\\b.txt", "\\D\\b.txt"}},
                  false);
    EXPECT_EQ(prompt.MessageIds(), QList<int>({IDS_NOT_ENOUGH_SPACE}));
    EXPECT_EQ(dev.List("\\D"), QStringList());
}
