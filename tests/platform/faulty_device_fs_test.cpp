#include <gtest/gtest.h>

#include "platform/faulty_device_fs.h"
#include "support/temp_device.h"

TEST(FaultyDeviceFs, FailsTheChosenMutatingCallAndPassesTheRest) {
    TempDevice d;
    FaultyDeviceFs fs(d.fs());
    fs.FailMutatingCall(2, DeviceError::DiskFull);
    EXPECT_TRUE(fs.CreateDirectory("\\A"));
    EXPECT_FALSE(fs.CreateDirectory("\\B"));
    EXPECT_EQ(fs.LastError(), DeviceError::DiskFull);
    EXPECT_TRUE(fs.CreateDirectory("\\C"));
    EXPECT_EQ(fs.FaultsInjected(), 1);
    EXPECT_EQ(d.List("\\"), (QStringList{"A\\", "C\\"}));

    // Writes through an opened file count as mutating calls too.
    fs.FailMutatingCall(2);
    auto file = fs.Open("\\f.bin", OpenMode::CreateAlways);
    ASSERT_TRUE(file);
    EXPECT_FALSE(file->Write("abcd", 4));
    EXPECT_TRUE(file->Write("ef", 2));
}

TEST(FaultyDeviceFs, RuleFailsMatchingCalls) {
    TempDevice d;
    d.Make({"\\a.txt=1", "\\b.txt=2"});
    FaultyDeviceFs fs(d.fs());
    fs.FailWhen([](FaultyDeviceFs::Op op, const QString& path) {
        return op == FaultyDeviceFs::Op::DeleteFile && path.endsWith("b.txt");
    });
    EXPECT_TRUE(fs.DeleteFile("\\a.txt"));
    EXPECT_FALSE(fs.DeleteFile("\\b.txt"));
    EXPECT_EQ(fs.LastError(), DeviceError::Io);
    EXPECT_EQ(d.List("\\"), QStringList{"b.txt"});
}
