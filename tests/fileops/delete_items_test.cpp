#include <gtest/gtest.h>
#include <QDir>
#include <deque>

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

// The answers one run at a time: Yes to all asks once, No skips its item, Cancel stops; a
// read-only file asks again, and its own Yes to all counts apart.
TEST(DeleteItems, TheAnswersDecideWhatGoes) {
    using A = ConfirmAnswer;
    using O = DeleteOutcome;
    const int file = IDS_CONFIRM_DELETE_FILE, readOnly = IDS_CONFIRM_DELETE_READ_ONLY;
    const struct {
        QStringList names;
        QStringList readOnly;
        std::deque<ConfirmAnswer> answers;
        QList<DeleteOutcome> outcomes;
        QList<int> asked;  // the questions' text ids
        QStringList left;
    } rows[] = {
        {{"a.txt", "b.txt", "c.txt"}, {}, {A::YesToAll}, {O::Done, O::Done, O::Done}, {file},
         {"Sub\\"}},
        {{"a.txt", "b.txt", "Sub"}, {}, {A::Yes, A::No, A::Yes}, {O::Done, O::Declined, O::Done},
         {file, file, IDS_CONFIRM_DELETE_FOLDER}, {"b.txt", "c.txt"}},
        {{"a.txt", "b.txt", "c.txt"}, {}, {A::Yes, A::Cancel}, {O::Done, O::NotReached,
         O::NotReached}, {file, file}, {"b.txt", "c.txt", "Sub\\"}},
        {{"a.txt", "b.txt"}, {"a.txt", "b.txt"}, {A::Yes, A::YesToAll, A::Yes}, {O::Done, O::Done},
         {file, readOnly, file}, {"c.txt", "Sub\\"}},
        {{"a.txt"}, {"a.txt"}, {A::Yes, A::No}, {O::Declined}, {file, readOnly},
         {"a.txt", "b.txt", "c.txt", "Sub\\"}},
    };
    for (const auto& row : rows) {
        DeleteRig rig;
        for (const QString& name : row.readOnly)
            rig.dev.SetRawAttributes("\\D\\" + name, Attr::kReadOnly | Attr::kArchive);
        rig.prompt.confirmAnswers = row.answers;
        EXPECT_EQ(rig.Run(row.names, DeleteOptions::Ask::EachItem), row.outcomes) << row.left.join(" ");
        QList<int> asked;
        for (const ConfirmRequest& request : rig.prompt.confirms)
            asked.append(request.textId);
        EXPECT_EQ(asked, row.asked) << row.left.join(" ");
        EXPECT_EQ(rig.dev.List("\\D"), row.left);
        EXPECT_EQ(rig.prompt.confirms[0].text, "你是否要刪除 'a.txt' ?");
        if (!row.readOnly.isEmpty() && row.left.contains("a.txt")) {  // kept read-only
            EXPECT_TRUE(*rig.dev.fs().GetAttributes("\\D\\a.txt") & Attr::kReadOnly);
        }
    }

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
