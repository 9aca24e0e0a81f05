#include <gtest/gtest.h>
#include <QDir>

#include "app/clock.h"
#include "app/progress.h"
#include "fileops/delete_items.h"
#include "platform/file_attributes.h"
#include "recycle/recycle_bin.h"
#include "recycle/recycle_bin_rig.h"
#include "resources/ids.h"
#include "support/recording_prompt.h"
#include "support/scripted_progress.h"
#include "support/temp_device.h"

namespace {

struct DeleteRig {
    DeleteRig() { dev.Make({"\\D\\a.txt=a", "\\D\\b.txt=b", "\\D\\c.txt=c", "\\D\\Sub\\d.txt=d"}); }
    QList<DeleteOutcome> Run(const QStringList& names, DeleteOptions::Ask ask,
                             Progress* progress = nullptr) {
        QStringList paths;
        for (const QString& name : names)
            paths.append("\\D\\" + name);
        DeleteOptions options;
        options.ask = ask;
        return DeleteItems(dev.fs(), prompt, paths, options, progress);
    }
    TempDevice dev;
    RecordingPrompt prompt;
};

}  // namespace

TEST(DeleteItems, YesToAllAsksOnceAndNoSkipsOnlyItsItem) {
    DeleteRig rig;
    rig.prompt.confirmAnswers = {ConfirmAnswer::YesToAll};
    rig.Run({"a.txt", "b.txt", "c.txt"}, DeleteOptions::Ask::EachItem);
    ASSERT_EQ(rig.prompt.confirms.size(), 1);
    EXPECT_EQ(rig.prompt.confirms[0].textId, IDS_CONFIRM_DELETE_FILE);
    EXPECT_EQ(rig.prompt.confirms[0].text, "你是否要刪除 'a.txt' ?");
    EXPECT_EQ(rig.dev.List("\\D"), QStringList({"Sub\\"}));

    DeleteRig other;
    other.prompt.confirmAnswers = {ConfirmAnswer::Yes, ConfirmAnswer::No, ConfirmAnswer::Yes};
    const auto outcomes = other.Run({"a.txt", "b.txt", "Sub"}, DeleteOptions::Ask::EachItem);
    EXPECT_EQ(outcomes, QList<DeleteOutcome>(
                            {DeleteOutcome::Done, DeleteOutcome::Declined, DeleteOutcome::Done}));
    EXPECT_EQ(other.prompt.confirms[2].textId, IDS_CONFIRM_DELETE_FOLDER);
    EXPECT_EQ(other.dev.List("\\D"), QStringList({"b.txt", "c.txt"}));
}

TEST(DeleteItems, CancelKeepsWhatWasDeletedAndStops) {
    DeleteRig rig;
    rig.prompt.confirmAnswers = {ConfirmAnswer::Yes, ConfirmAnswer::Cancel};
    const auto outcomes = rig.Run({"a.txt", "b.txt", "c.txt"}, DeleteOptions::Ask::EachItem);
    EXPECT_EQ(outcomes, QList<DeleteOutcome>({DeleteOutcome::Done, DeleteOutcome::NotReached,
                                              DeleteOutcome::NotReached}));
    EXPECT_EQ(rig.prompt.confirms.size(), 2);
    EXPECT_EQ(rig.dev.List("\\D"), QStringList({"b.txt", "c.txt", "Sub\\"}));

    // The progress window's Cancel stops after the item at hand, not inside it.
    DeleteRig cancelled;
    ScriptedProgress cancel;
    cancel.answer = [&cancel](const ProgressState&) { return cancel.reports.size() < 2; };
    const auto stopped =
        cancelled.Run({"Sub", "a.txt", "b.txt"}, DeleteOptions::Ask::Nothing, &cancel);
    EXPECT_EQ(stopped[0], DeleteOutcome::Done);
    EXPECT_EQ(stopped[2], DeleteOutcome::NotReached);
    EXPECT_TRUE(cancelled.dev.Exists("\\D\\b.txt"));
    EXPECT_FALSE(cancelled.dev.Exists("\\D\\Sub"));
}

TEST(DeleteItems, ReadOnlyFilesAskTwiceAndTheirYesToAllCountsApart) {
    DeleteRig rig;
    for (const char* name : {"\\D\\a.txt", "\\D\\b.txt"}) {
        rig.dev.SetRawAttributes(name, Attr::kReadOnly | Attr::kArchive);
    }
    // Item question Yes, read-only Yes to all; the second file still gets its item question.
    rig.prompt.confirmAnswers = {ConfirmAnswer::Yes, ConfirmAnswer::YesToAll, ConfirmAnswer::Yes};
    rig.Run({"a.txt", "b.txt"}, DeleteOptions::Ask::EachItem);
    ASSERT_EQ(rig.prompt.confirms.size(), 3);
    EXPECT_EQ(rig.prompt.confirms[1].textId, IDS_CONFIRM_DELETE_READ_ONLY);
    EXPECT_EQ(rig.prompt.confirms[2].textId, IDS_CONFIRM_DELETE_FILE);
    EXPECT_FALSE(rig.dev.Exists("\\D\\a.txt"));
    EXPECT_FALSE(rig.dev.Exists("\\D\\b.txt"));

    // No on the read-only question keeps the file, read-only as before.
    DeleteRig kept;
    kept.dev.SetRawAttributes("\\D\\a.txt", Attr::kReadOnly);
    kept.prompt.confirmAnswers = {ConfirmAnswer::Yes, ConfirmAnswer::No};
    EXPECT_EQ(kept.Run({"a.txt"}, DeleteOptions::Ask::EachItem)[0], DeleteOutcome::Declined);
    EXPECT_EQ(*kept.dev.fs().GetAttributes("\\D\\a.txt") & Attr::kReadOnly, Attr::kReadOnly);
}

// The root, a card and the bin folder are refused before anything is touched, from the list
// and the command line alike, into the bin or for good.
TEST(DeleteItems, VolumesAndTheBinFolderAreRefusedUntouched) {
    BinRig rig({"Storage Card"});
    rig.dev.Make({"\\~Recycle\\", "\\Storage Card\\keep.txt=k", "\\a.txt=a"});
    rig.OpenInMainMemory();
    const QStringList before = rig.dev.Snapshot();
    for (RecycleBin* into : {&rig.bin, static_cast<RecycleBin*>(nullptr)}) {
        DeleteOptions options;
        options.bin = into;
        options.binOnly = into != nullptr;
        rig.prompt.messages.clear();
        const auto outcomes =
            DeleteItems(rig.dev.fs(), rig.prompt, {"\\", "\\Storage Card", "\\~Recycle"}, options);
        EXPECT_EQ(outcomes, QList<DeleteOutcome>(3, DeleteOutcome::Refused));
        EXPECT_EQ(rig.prompt.MessageIds(), QList<int>(3, IDS_CANNOT_DELETE_PROTECTED));
    }
    EXPECT_EQ(rig.dev.Snapshot(), before);
    EXPECT_FALSE(rig.bin.MoveToRecycleBin("\\Storage Card"));
}

// A folder that can only partly be removed: the rest is in the bin, and what stayed is named.
TEST(DeleteItems, APartlyRemovedFolderSaysWhatStayedAndWhy) {
    BinRig rig;
    rig.dev.Make({"\\~Recycle\\", "\\D\\a.txt=a", "\\D\\rom.bin=r"});
    rig.dev.SetRawAttributes("\\D\\rom.bin", Attr::kInRom);
    rig.OpenInMainMemory();
    DeleteOptions options;
    options.bin = &rig.bin;
    const auto outcomes = DeleteItems(rig.dev.fs(), rig.prompt, {"\\D"}, options);
    EXPECT_EQ(outcomes, QList<DeleteOutcome>{DeleteOutcome::Partial});
    ASSERT_EQ(rig.prompt.MessageIds(), QList<int>{IDS_RECYCLE_PARTIAL});
    EXPECT_TRUE(rig.prompt.messages[0].text.contains("\\D\\rom.bin (唯讀記憶體中的檔案)"))
        << rig.prompt.messages[0].text.toStdString();
    EXPECT_EQ(rig.bin.entries().size(), 1);
    EXPECT_EQ(rig.dev.List("\\D"), QStringList{"rom.bin"});
}

// The bin is checked before anything goes: a run too large for it asks to delete for good
// (No: the bin should be enlarged), and a missing bin folder stops the run.
TEST(DeleteItems, TheBinMustExistAndHaveRoomBeforeAnythingGoes) {
    BinRig rig;
    rig.dev.Make({"\\~Recycle\\", "\\D\\big.bin#2000000", "\\D\\small.txt=s"});
    rig.SetInt(IDS_KEY_ENABLE_CAPACITY, 1);
    rig.SetInt(IDS_KEY_MAX_CAPACITY, 1);
    rig.OpenInMainMemory();
    DeleteOptions options;
    options.bin = &rig.bin;
    rig.prompt.messageAnswers = {MessageAnswer::No, MessageAnswer::Ok, MessageAnswer::Yes};
    DeleteItems(rig.dev.fs(), rig.prompt, {"\\D\\big.bin"}, options);
    EXPECT_TRUE(rig.dev.Exists("\\D\\big.bin"));
    DeleteItems(rig.dev.fs(), rig.prompt, {"\\D\\big.bin"}, options);
    EXPECT_FALSE(rig.dev.Exists("\\D\\big.bin"));
    EXPECT_TRUE(rig.bin.entries().isEmpty());

    ASSERT_TRUE(QDir(rig.dev.fs().HostPath(rig.bin.binPath())).removeRecursively());
    DeleteItems(rig.dev.fs(), rig.prompt, {"\\D\\small.txt"}, options);
    EXPECT_TRUE(rig.dev.Exists("\\D\\small.txt"));
    EXPECT_EQ(rig.prompt.MessageIds(),
              QList<int>({IDS_TOO_LARGE_FOR_RECYCLE_BIN, IDS_ENLARGE_RECYCLE_BIN,
                          IDS_TOO_LARGE_FOR_RECYCLE_BIN, IDS_RECYCLE_BIN_NOT_FOUND}));
}
