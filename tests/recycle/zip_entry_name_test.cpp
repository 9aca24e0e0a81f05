#include <gtest/gtest.h>
#include <QDateTime>

#include "platform/file_time.h"
#include "recycle/zip_dos_date.h"
#include "recycle/zip_entry_name.h"
#include "support/qt_printers.h"

namespace {

QString PathOf(const QString& name, bool* folder = nullptr) {
    QString path;
    return DevicePathFromZipEntryName(name, &path, folder) ? path : QStringLiteral("<refused>");
}

}  // namespace

TEST(ZipEntryName, NamesThatLeadOutsideTheDeviceAreRefused) {
    const QString longName = QStringLiteral("a/").repeated(130) + QStringLiteral("x");
    const QStringList hostile = {"../x",
                                 "..\\x",
                                 "a\\..\\..\\b",
                                 "a/./b",
                                 "/etc/passwd",
                                 "//server/share/x",
                                 "\\\\server\\share\\x",
                                 "C:\\x",
                                 "C:x",
                                 "a//b",
                                 QStringLiteral("nul") + QChar(0) + "name",
                                 "tab\tname",
                                 "*.txt",
                                 QString(),
                                 "/",
                                 "\\",
                                 longName};
    for (const QString& name : hostile) {
        EXPECT_EQ(PathOf(name), QStringLiteral("<refused>")) << name;
    }
}

// Plain names round trip through every pack and restore; these are the forms only other
// tools write: a trailing separator for a folder, the device's own absolute form, mixed
// separators, dots that are no path step.
TEST(ZipEntryName, FoldersAndTheDevicesOwnFormsAreDevicePaths) {
    EXPECT_EQ(ZipEntryNameFromDevicePath(QStringLiteral("\\A\\空"), true),
              QStringLiteral("A/空/").toUtf8());
    bool folder = false;
    EXPECT_EQ(PathOf(QStringLiteral("A/空/"), &folder), QStringLiteral("\\A\\空"));
    EXPECT_TRUE(folder);
    EXPECT_EQ(PathOf(QStringLiteral("\\My Documents\\報告 1.txt"), &folder),
              QStringLiteral("\\My Documents\\報告 1.txt"));
    EXPECT_FALSE(folder);
    EXPECT_EQ(PathOf(QStringLiteral("A\\b/c")), QStringLiteral("\\A\\b\\c"));
    EXPECT_EQ(PathOf(QStringLiteral(".hidden/..x")), QStringLiteral("\\.hidden\\..x"));
}

TEST(ZipEntryName, NamesWithoutTheUtf8FlagAreReadAsTheyWereMeant) {
    const QByteArray utf8 = QStringLiteral("資料/é.txt").toUtf8();
    EXPECT_EQ(DecodeZipEntryName(utf8, false), QStringLiteral("資料/é.txt"));
    EXPECT_EQ(DecodeZipEntryName(utf8, true), QStringLiteral("資料/é.txt"));
    // Not UTF-8: code page 437, unless the flag promised UTF-8.
    EXPECT_EQ(DecodeZipEntryName(QByteArray("\x80\xe1\xff", 3), false),
              QString::fromUtf16(u"Çß\u00a0"));
    EXPECT_TRUE(DecodeZipEntryName(QByteArray("\x80", 1), true).isNull());
}

TEST(ZipDosDate, WriteTimesRoundDownToEvenSecondsAndStayInRange) {
    const QDateTime local(QDate(2021, 3, 4), QTime(5, 6, 7, 900), Qt::LocalTime);
    const quint32 dos = DosDateFromFileTime(FileTimeFromDateTime(local));
    EXPECT_EQ(dos >> 16, quint32((2021 - 1980) << 9 | 3 << 5 | 4));
    EXPECT_EQ(dos & 0xffff, quint32(5 << 11 | 6 << 5 | 3));  // seconds halved, rounded down

    const QDateTime old(QDate(1975, 6, 1), QTime(12, 0), Qt::LocalTime);
    EXPECT_EQ(DosDateFromFileTime(FileTimeFromDateTime(old)), quint32(1 << 5 | 1) << 16);
    EXPECT_EQ(FileTimeFromDosDate(0), FileTime(0));                           // month and day 0
    EXPECT_EQ(FileTimeFromDosDate(quint32(2 << 5 | 30) << 16), FileTime(0));  // 30 February
}
