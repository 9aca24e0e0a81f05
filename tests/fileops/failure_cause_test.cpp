#include <gtest/gtest.h>

#include "app/load_str.h"
#include "crypt/encrypt_file.h"
#include "crypt/report_crypt_failure.h"
#include "fileops/delete_items.h"
#include "fileops/left_out_report.h"
#include "fileops/transfer_items.h"
#include "recycle/recycle_bin_rig.h"
#include "support/faulty_device_fs.h"

// Whatever the device refused with, a failed operation's message keeps its own text and ends
// with why, on a line of its own, as the explorer and the command line report it.
TEST(FailureCause, EachFailedOperationsMessageEndsWithTheDevicesCause) {
    using Op = FaultyDeviceFs::Op;
    using Run = std::function<void(FaultyDeviceFs&, BinRig&, RecycleBin&)>;
    const std::tuple<Op, Run, int> operations[] = {
        {Op::CopyFile,
         [](FaultyDeviceFs& fs, BinRig& rig, RecycleBin&) {
             const auto r = TransferItems(fs, rig.prompt, {{"\\S\\a.txt", "\\S\\b"}}, false);
             ReportLeftOut(rig.prompt, {"\\S\\a.txt"}, {}, 20, r.Cause());
         },
         IDS_ITEMS_LEFT_OUT},
        {Op::Write,  // into the bin
         [](FaultyDeviceFs& fs, BinRig& rig, RecycleBin& bin) {
             QList<DeviceError> causes;
             DeleteItems(fs, rig.prompt, {"\\S\\a.txt"}, {&bin}, nullptr, &causes);
             ReportLeftOut(rig.prompt, {"\\S\\a.txt"}, {}, 20, causes.value(0));
         },
         IDS_ITEMS_LEFT_OUT},
        {Op::Write,
         [](FaultyDeviceFs& fs, BinRig& rig, RecycleBin&) {
             DeviceError cause = DeviceError::None;
             const auto r = EncryptFile(fs, "\\S\\a.txt", "\\S\\e", "pw", {}, nullptr, &cause);
             ReportCryptFailure(rig.prompt, r, "a.txt", "\\S\\e", cause);
         },
         IDS_CANNOT_OPEN_FILE},
        {Op::OpenForWrite,
         [](FaultyDeviceFs&, BinRig& rig, RecycleBin& bin) {
             rig.dev.fs().DeleteFile("\\S\\a.txt");
             bin.RestoreFromBin({0});
         },
         IDS_RESTORE_SYSTEM_ERROR}};
    const std::pair<DeviceError, const char*> errors[] = {
        {DeviceError::DiskFull, "磁碟空間不足。"}, {DeviceError::AccessDenied, "存取被拒。"},
        {DeviceError::WriteProtected, "媒體有防寫保護。"}, {DeviceError::Io, "I/O 錯誤。"}};
    for (const auto& [error, cause] : errors) {
        for (const auto& [op, run, id] : operations) {
            BinRig rig;
            rig.dev.Make({"\\S\\a.txt=text"});
            rig.OpenInMainMemory();
            ASSERT_TRUE(rig.bin.MoveToRecycleBin("\\S\\a.txt") && rig.bin.SaveRecycleIndex());
            rig.dev.Make({"\\S\\a.txt=text"});
            FaultyDeviceFs faulty(rig.dev.fs());
            RecycleBin bin(faulty, rig.dev.settings(), rig.prompt, rig.clock);
            bin.Open();
            // The item's own folder fails (a write anywhere: an archive goes into the bin).
            faulty.FailWhen(
                [failing = op](Op call, const QString& path) {
                    return call == failing && (call == Op::Write || path.startsWith("\\S"));
                },
                error);
            run(faulty, rig, bin);
            ASSERT_FALSE(rig.prompt.messages.isEmpty()) << id;
            const MessageRequest& shown = rig.prompt.messages.last();
            const bool full = error == DeviceError::DiskFull && id == IDS_RESTORE_SYSTEM_ERROR;
            EXPECT_EQ(shown.textId, full ? IDS_RESTORE_NO_SPACE : id) << cause;
            EXPECT_EQ(shown.text.section(QLatin1Char('\n'), -1), QString::fromUtf8(cause)) << id;
            const QString own = LoadStr(shown.textId).section(QLatin1Char('\n'), 0, 0);
            EXPECT_TRUE(shown.text.contains(own)) << id;
        }
    }
}
