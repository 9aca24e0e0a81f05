#include <gtest/gtest.h>

#include <functional>

#include "app/device_error_text.h"
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
    using Run = std::function<void(FaultyDeviceFs&, BinRig&)>;
    const Run copy = [](FaultyDeviceFs& fs, BinRig& rig) {
        const TransferResult r =
            TransferItems(fs, rig.prompt, {{"\\S\\a.txt", "\\S\\b.txt"}}, false);
        ReportLeftOut(rig.prompt, {"\\S\\a.txt"}, {}, 20, r.Cause());
    };
    auto remove = [](bool intoBin) {
        return Run([intoBin](FaultyDeviceFs& fs, BinRig& rig) {
            RecycleBin bin(fs, rig.dev.settings(), rig.prompt, rig.clock);
            bin.Open();
            DeleteOptions options;
            if (intoBin) options.bin = &bin;
            QList<DeviceError> causes;
            DeleteItems(fs, rig.prompt, {"\\S\\a.txt"}, options, nullptr, &causes);
            ReportLeftOut(rig.prompt, {"\\S\\a.txt"}, {}, 20, causes.value(0));
        });
    };
    const Run encrypt = [](FaultyDeviceFs& fs, BinRig& rig) {
        DeviceError cause = DeviceError::None;
        const CryptResult r = EncryptFile(fs, "\\S\\a.txt", "\\S\\a.enc", "pw", {}, nullptr, &cause);
        ReportCryptFailure(rig.prompt, r, "a.txt", "\\S\\a.enc", cause);
    };
    const Run restore = [](FaultyDeviceFs& fs, BinRig& rig) {
        rig.dev.fs().DeleteFile("\\S\\a.txt");
        RecycleBin bin(fs, rig.dev.settings(), rig.prompt, rig.clock);
        bin.Open();
        bin.RestoreFromBin({0});
    };
    const struct {
        Op op;
        Run run;
        int id;
    } operations[] = {{Op::CopyFile, copy, IDS_ITEMS_LEFT_OUT},
                      {Op::DeleteFile, remove(false), IDS_ITEMS_LEFT_OUT},
                      {Op::Write, remove(true), IDS_ITEMS_LEFT_OUT},
                      {Op::Write, encrypt, IDS_CANNOT_OPEN_FILE},
                      {Op::OpenForWrite, restore, IDS_RESTORE_SYSTEM_ERROR}};
    const std::pair<DeviceError, const char*> errors[] = {
        {DeviceError::DiskFull, "磁碟空間不足。"},
        {DeviceError::AccessDenied, "存取被拒。"},
        {DeviceError::WriteProtected, "媒體有防寫保護。"},
        {DeviceError::Io, "I/O 錯誤。"}};
    for (const auto& [error, cause] : errors) {
        for (const auto& [op, run, id] : operations) {
            BinRig rig;
            rig.dev.Make({"\\S\\a.txt=text"});
            rig.OpenInMainMemory();
            ASSERT_TRUE(rig.bin.MoveToRecycleBin("\\S\\a.txt"));
            ASSERT_TRUE(rig.bin.SaveRecycleIndex());
            rig.dev.Make({"\\S\\a.txt=text"});
            FaultyDeviceFs faulty(rig.dev.fs());
            // The item's own folder fails (a write anywhere: an archive goes into the bin).
            faulty.FailWhen(
                [failing = op](Op call, const QString& path) {
                    return call == failing && (call == Op::Write || path.startsWith("\\S"));
                },
                error);
            run(faulty, rig);
            ASSERT_FALSE(rig.prompt.messages.isEmpty()) << id;
            const MessageRequest& shown = rig.prompt.messages.last();
            const int expected = error == DeviceError::DiskFull && id == IDS_RESTORE_SYSTEM_ERROR
                                     ? IDS_RESTORE_NO_SPACE
                                     : id;
            EXPECT_EQ(shown.textId, expected) << cause;
            EXPECT_EQ(shown.text.section(QLatin1Char('\n'), -1), QString::fromUtf8(cause)) << id;
            EXPECT_TRUE(shown.text.contains(LoadStr(expected).section(QLatin1Char('\n'), 0, 0)));
        }
    }
    EXPECT_EQ(WithCause("a", DeviceError::None), "a");
}
