#include <gtest/gtest.h>
#include <minizip/zip.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include "fileops/file_names.h"
#include "fileops/tree_ops.h"
#include "recycle/recycle_archive.h"
#include "recycle/recycle_archive_convert.h"
#include "recycle/recycle_archive_entries.h"
#include "recycle/recycle_archive_extract.h"
#include "recycle/recycle_archive_item.h"
#include "recycle/recycle_archive_pack.h"
#include "recycle/recycle_test_helpers.h"
#include "recycle/zip_dos_date.h"
#include "recycle/zip_entry_name.h"
#include "resources/ids.h"
#include "support/faulty_device_fs.h"
#include "support/qt_printers.h"
#include "support/recording_prompt.h"
#include "support/temp_device.h"

namespace {

QString PathOf(const QString& name, bool* folder = nullptr) {
    QString path;
    return DevicePathFromZipEntryName(name, &path, folder) ? path : QStringLiteral("<refused>");
}

class RecycleArchiveTest : public ::testing::Test {
protected:
    RecycleArchiveTest() : fs(dev.fs()) { dev.Make({"\\~Recycle\\"}); }

    TempDevice dev;
    DeviceFs& fs;
    const QString archive = "\\~Recycle\\item.nzc";
};

TEST_F(RecycleArchiveTest, AFileComesBackWithItsAttributesAndWriteTime) {
    const QString file = "\\My Documents\\報告.txt";
    dev.File(file, "hello world");
    ASSERT_TRUE(fs.SetTimes(file, nullptr, nullptr, &kOddTime));
    const quint32 attributes = Attr::kReadOnly | Attr::kHidden | Attr::kArchive;
    ASSERT_TRUE(fs.SetAttributes(file, attributes));

    const PackResult pack = PackIntoArchive(fs, file, archive);
    ASSERT_TRUE(pack.packed);
    EXPECT_FALSE(pack.isFolder);
    EXPECT_EQ(pack.attributes, attributes);
    EXPECT_EQ(pack.bytes, 11u);
    EXPECT_TRUE(*fs.GetAttributes(archive) & Attr::kHidden);

    ASSERT_TRUE(DeleteFileForce(fs, file));
    const ExtractResult restored = ExtractArchive(fs, archive);
    EXPECT_TRUE(restored.Complete());
    EXPECT_EQ(restored.files, 1u);
    EXPECT_EQ(dev.Read(file), QByteArray("hello world"));
    EXPECT_EQ(WriteTime(fs, file), FloorToEvenSecond(kOddTime));
    EXPECT_EQ(*fs.GetAttributes(file), attributes);
    EXPECT_EQ(dev.List("\\My Documents"), QStringList{"報告.txt"});
}

TEST_F(RecycleArchiveTest, RestoringReplacesFilesButLeavesExistingFoldersAlone) {
    dev.Make({"\\R\\f.txt=new content", "\\R\\keep\\"});
    ASSERT_TRUE(PackIntoArchive(fs, "\\R", archive).packed);
    // Meanwhile a read-only file took the name and the folder changed.
    dev.File("\\R\\f.txt", "old");
    ASSERT_TRUE(fs.SetAttributes("\\R\\f.txt", Attr::kReadOnly));
    ASSERT_TRUE(fs.SetAttributes("\\R\\keep", Attr::kHidden));
    ASSERT_TRUE(fs.SetTimes("\\R\\keep", nullptr, nullptr, &kOddTime));

    EXPECT_TRUE(ExtractArchive(fs, archive).Complete());
    EXPECT_EQ(dev.Read("\\R\\f.txt"), QByteArray("new content"));
    EXPECT_FALSE(*fs.GetAttributes("\\R\\f.txt") & Attr::kReadOnly);
    EXPECT_TRUE(*fs.GetAttributes("\\R\\keep") & Attr::kHidden);
    EXPECT_EQ(WriteTime(fs, "\\R\\keep"), kOddTime);
    EXPECT_EQ(dev.List("\\R"), QStringList({"f.txt", "keep\\"}));
}

TEST_F(RecycleArchiveTest, APlainFileIsNoArchive) {
    dev.File("\\~Recycle\\old.txt", "an item of the old version");
    EXPECT_TRUE(ExtractArchive(fs, "\\~Recycle\\old.txt").NotAnArchive());
    EXPECT_EQ(ReadArchiveEntries(fs, "\\~Recycle\\old.txt").code, kArchiveNotZip);
    EXPECT_EQ(ExtractArchive(fs, "\\~Recycle\\gone.nzc").code, kArchiveUnreadable);
}

TEST_F(RecycleArchiveTest, AHeaderFieldRunningPastTheEndIsReadInFewCalls) {
    dev.Make({"\\Docs\\a.txt=alpha", "\\Docs\\b.txt=beta"});
    ASSERT_TRUE(PackIntoArchive(fs, "\\Docs", archive).packed);
    // Each central header claims 64 KiB of extra fields that the file does not hold; the
    // library reads on field by field.
    QByteArray bytes = dev.Read(archive);
    for (qsizetype at = bytes.indexOf("PK\x01\x02"); at >= 0;
         at = bytes.indexOf("PK\x01\x02", at + 4)) {
        bytes[at + 30] = char(0xff);
        bytes[at + 31] = char(0xff);
    }
    dev.File(archive, bytes);
    FaultyDeviceFs counting(fs);
    int reads = 0;
    counting.FailWhen([&](FaultyDeviceFs::Op op, const QString&) {
        reads += op == FaultyDeviceFs::Op::Read;
        return false;
    });
    ReadArchiveEntries(counting, archive);
    ExtractArchive(counting, archive);
    EXPECT_LT(reads, 100);
}

// A put cancelled inside a large file leaves no archive; a restore stops after the file.
TEST_F(RecycleArchiveTest, CancelLeavesNoArchiveOrStopsTheRestoreAfterTheCurrentFile) {
    dev.Make({"\\L.bin#3000000", "\\C\\a.txt=1", "\\C\\b.txt=2", "\\C\\c.txt=3"});
    const QStringList before = dev.Snapshot();
    ScriptedProgress midFile;  // as soon as the first megabyte is reported
    midFile.answer = [](const ProgressState& s) { return s.doneBytes == 0; };
    const PackResult pack = PackIntoArchive(fs, "\\L.bin", archive, &midFile);
    EXPECT_TRUE(pack.cancelled && !pack.packed);
    EXPECT_EQ(dev.Snapshot(), before);

    ASSERT_TRUE(PackIntoArchive(fs, "\\C", archive).packed);
    RemoveTree(fs, "\\C");
    ScriptedProgress afterFirstFile;
    afterFirstFile.answer = [](const ProgressState& s) { return s.doneFiles < 1; };
    const ExtractResult result = ExtractArchive(fs, archive, &afterFirstFile);
    EXPECT_TRUE(result.cancelled && !result.Complete());
    EXPECT_EQ(result.files, 1u);
    EXPECT_EQ(dev.List("\\C").size(), 1);
    EXPECT_EQ(afterFirstFile.reports.first().totalFiles, 3u);
}

TEST_F(RecycleArchiveTest, RomFilesAndTheArchiveItselfAreNeverPacked) {
    dev.Make({"\\rom.bin=rom", "\\Outer\\a.txt=a"});
    dev.SetRawAttributes("\\rom.bin", Attr::kRomModule);
    EXPECT_FALSE(PackIntoArchive(fs, "\\rom.bin", archive).packed);
    EXPECT_FALSE(dev.Exists(archive));

    const QString inside = "\\Outer\\self.nzc";
    EXPECT_FALSE(PackIntoArchive(fs, "\\Outer", inside).packed);
    EXPECT_EQ(dev.List("\\Outer"), QStringList{"a.txt"});
}

// The deleted item told from its entries: a file, a folder holding a single file in a
// subfolder (and a refused entry), an empty folder, nothing usable.
TEST(InferArchivedItem, TellsTheDeletedItemFromItsEntries) {
    const struct {
        QList<std::pair<QString, quint64>> entries;  // a path ending in '\\' is a folder
        const char* archive;
        QString original;  // empty: no item
        bool folder;
        quint64 size;
    } rows[] = {
        {{{"\\A\\report.txt", 7}}, "report.txt(2).nzc", "\\A\\report.txt", false, 7},
        {{{"\\A\\Docs\\sub\\only.txt", 5}, {"", 100}}, "Docs.nzc", "\\A\\Docs", true, 5},
        {{{"\\E\\", 0}}, "E.nzc", "\\E", true, 0},
        {{{"", 1}}, "x.nzc", "", false, 0},
    };
    for (const auto& row : rows) {
        ArchiveListing listing;
        for (const auto& [path, size] : row.entries) {
            ArchiveEntry entry;
            entry.isFolder = path.endsWith(QLatin1Char('\\'));
            entry.path = entry.isFolder ? path.chopped(1) : path;
            entry.size = size;
            entry.attributes = entry.isFolder ? Attr::kDirectory : Attr::kArchive;
            listing.entries.append(entry);
        }
        const auto item = InferArchivedItem(listing, "\\~Recycle\\" + QString(row.archive));
        ASSERT_EQ(bool(item), !row.original.isEmpty()) << row.archive;
        if (!item) continue;
        EXPECT_EQ(item->originalPath, row.original);
        EXPECT_EQ(item->isFolder, row.folder) << row.archive;
        EXPECT_EQ(item->size, row.size) << row.archive;
    }
}

// Lists name, UTF-8 flag, folder flag, size and method (0 stored, 8 deflated) of each entry,
// then the result of testzip.
const char kPythonLister[] =
    "import sys, zipfile\n"
    "z = zipfile.ZipFile(sys.argv[1])\n"
    "for i in z.infolist():\n"
    "    print('%s|%d|%d|%d|%d' % (i.filename, bool(i.flag_bits & 0x800), i.is_dir(), "
    "i.file_size, i.compress_type))\n"
    "print('test:%s' % z.testzip())\n";

class ArchiveInterop : public RecycleArchiveTest {
protected:
    // Both tools accept the archive and see the given entries, as the lister prints them.
    void ExpectToolsRead(const QString& archive, QStringList expected) {
        const QString host = fs.HostPath(archive);
        const ToolRun test = RunTool("unzip", {"-t", host});
        if (test.found) {
            EXPECT_EQ(test.exitCode, 0) << test.output.toStdString();
            const ToolRun list = RunTool("unzip", {"-l", host});
            for (const QString& line : expected) {
                EXPECT_TRUE(list.output.contains(line.section(QLatin1Char('|'), 0, 0)))
                    << list.output.toStdString();
            }
        }
        const ToolRun python = RunTool("python3", {"-c", QString::fromLatin1(kPythonLister), host});
        if (!test.found && !python.found) GTEST_SKIP() << "neither unzip nor python3 installed";
        if (!python.found) return;
        QStringList lines = python.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty()) << python.output.toStdString();
        EXPECT_EQ(lines.takeLast(), "test:None");
        lines.sort();
        expected.sort();
        EXPECT_EQ(lines, expected);
    }
};

// Names in UTF-8 with the flag set; data that does not shrink is stored, by its type or by a
// trial (a long file copied by the kernel); text is deflated, a long file in pieces joined
// into one stream. The tools and our own restore read each kind back.
TEST_F(ArchiveInterop, ArchivesOpenInInfoZipAndPythonWithTheirNamesAndMethods) {
    QByteArray text;
    for (int i = 0; text.size() < (9 << 20); ++i)
        text += QByteArray::number(i * 7919 % 10007) + " words of a document, ";
    QByteArray noise(5 << 20, Qt::Uninitialized);
    quint32 x = 1;
    for (char& c : noise)
        c = char((x = x * 1103515245u + 12345u) >> 24);
    const struct {
        QString name;
        QByteArray data;
        int method;
    } cases[] = {{"報告.txt", text.left(20000), 8},
                 {"子/資料.bin", noise.left(300000), 0},
                 {"clip.bin", noise, 0},
                 {"photo.jpg", text.left(20000), 0},
                 {"long.txt", text, 8},
                 {"empty.txt", QByteArray(), 0}};
    QStringList expected = {"文件/|1|1|0|0", "文件/子/|1|1|0|0", "文件/空資料匣/|1|1|0|0"};
    dev.Make({"\\文件\\空資料匣\\"});
    for (const auto& c : cases) {
        dev.File("\\文件\\" + QString(c.name).replace('/', '\\'), c.data);
        expected.append(QString("文件/%1|1|0|%2|%3").arg(c.name).arg(c.data.size()).arg(c.method));
    }
    const QStringList before = dev.Snapshot("\\文件");
    const QString archive = "\\~Recycle\\文件.nzc";
    ASSERT_TRUE(PackIntoArchive(fs, "\\文件", archive).packed);
    ExpectToolsRead(archive, expected);
    RemoveTree(fs, "\\文件");
    EXPECT_TRUE(ExtractArchive(fs, archive).Complete());
    EXPECT_EQ(dev.Snapshot("\\文件"), before);

    // Zip64 headers, as files over 4 GiB get them, on sizes around the copy buffer's.
    dev.Make({"\\Z\\zero", "\\Z\\under#8191", "\\Z\\exact#8192", "\\Z\\over#8193",
              "\\Z\\大.bin#300000", "\\Z\\片.mp4#5000000", "\\Z\\empty\\"});
    const QStringList zipped = dev.Snapshot("\\Z");
    RecycleArchive writer(fs);
    writer.SetZip64Threshold(0);
    ASSERT_TRUE(writer.OpenArchive("\\~Recycle\\Z.nzc"));
    for (const char* name : {"zero", "under", "exact", "over", "大.bin", "片.mp4", "empty"})
        EXPECT_TRUE(writer.AddToArchive("\\Z\\" + QString::fromUtf8(name)));
    ASSERT_TRUE(writer.CloseArchive());
    ExpectToolsRead(
        "\\~Recycle\\Z.nzc",
        {"Z/zero|1|0|0|0", "Z/under|1|0|8191|8", "Z/exact|1|0|8192|8", "Z/over|1|0|8193|8",
         "Z/大.bin|1|0|300000|8", "Z/片.mp4|1|0|5000000|0", "Z/empty/|1|1|0|0"});
    RemoveTree(fs, "\\Z");
    EXPECT_TRUE(ExtractArchive(fs, "\\~Recycle\\Z.nzc").Complete());
    EXPECT_EQ(dev.Snapshot("\\Z"), zipped);
}

TEST_F(ArchiveInterop, AnArchiveMadeByInfoZipExtracts) {
    dev.Make({"\\Z\\中文.txt=內容", "\\Z\\sub\\b.txt=bee", "\\Z\\empty\\"});
    const QStringList before = dev.Snapshot("\\Z");
    const QString made = dev.BaseDir() + "/made.zip";
    const ToolRun zip = RunTool("zip", {"-r", "-q", made, "Z"}, dev.HostRoot());
    if (!zip.found) GTEST_SKIP() << "zip is not installed";
    ASSERT_EQ(zip.exitCode, 0) << zip.output.toStdString();
    ASSERT_TRUE(QFile::copy(made, dev.HostRoot() + "/~Recycle/Z.nzc"));

    RemoveTree(fs, "\\Z");
    const ExtractResult result = ExtractArchive(fs, "\\~Recycle\\Z.nzc");
    EXPECT_TRUE(result.Complete());
    EXPECT_EQ(result.files, 2u);
    EXPECT_EQ(dev.Snapshot("\\Z"), before);
}

// Writes an archive on the host with raw entry names, each holding "evil" unless named good.
void WriteCrafted(const QString& hostPath, const QList<QByteArray>& names) {
    zipFile zip = zipOpen64(QFile::encodeName(hostPath).constData(), APPEND_STATUS_CREATE);
    ASSERT_TRUE(zip);
    for (const QByteArray& name : names) {
        zip_fileinfo info{};
        ASSERT_EQ(zipOpenNewFileInZip64(zip, name.constData(), &info, nullptr, 0, nullptr, 0,
                                        nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0),
                  ZIP_OK);
        const QByteArray data = name.startsWith("Good") ? "fine" : "evil";
        zipWriteInFileInZip(zip, data.constData(), unsigned(data.size()));
        zipCloseFileInZip(zip);
    }
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
}

TEST_F(ArchiveInterop, ACraftedArchiveCannotWriteOutsideTheDevice) {
    const QString outside = dev.BaseDir() + "/escape3.txt";
    // The name rules are ZipEntryName's; these reach the writing code as minizip reads them.
    const QList<QByteArray> names = {"../escape1.txt",           "..\\escape2.txt",
                                     QFile::encodeName(outside), "C:\\escape4.txt",
                                     "nulXescape6.txt",          "Good/ok.txt"};
    const QString host = dev.HostRoot() + "/~Recycle/evil.nzc";
    WriteCrafted(host, names);
    // minizip takes names as C strings: put the NUL in afterwards, in both headers.
    QFile file(host);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    ASSERT_EQ(bytes.count("nulXescape6"), 2);
    bytes.replace("nulXescape6", QByteArray("nul\0escape6", 11));
    file.seek(0);
    file.write(bytes);
    file.close();

    const ExtractResult result = ExtractArchive(fs, "\\~Recycle\\evil.nzc");
    EXPECT_FALSE(result.Complete());
    EXPECT_EQ(result.refused, quint64(names.size() - 1));
    EXPECT_EQ(result.files, 1u);
    EXPECT_EQ(dev.Read("\\Good\\ok.txt"), QByteArray("fine"));
    EXPECT_EQ(dev.List("\\"), QStringList({"Good\\", "~Recycle\\"}));
    QDirIterator mine(dev.BaseDir(), QDir::Files | QDir::Hidden | QDir::System,
                      QDirIterator::Subdirectories);
    while (mine.hasNext()) {
        const QString path = mine.next();
        EXPECT_FALSE(path.contains(QLatin1String("escape"))) << path.toStdString();
    }
}

}  // namespace

TEST(CompressRecycleBin, PacksOldItemsUnderTheirOriginalPaths) {
    TempDevice dev;
    DeviceFs& fs = dev.fs();
    dev.Make({"\\~Recycle\\report.txt=old file", "\\~Recycle\\Docs\\a.txt=a",
              "\\~Recycle\\Docs\\empty\\", "\\~Recycle\\x=second", "\\~Recycle\\x.nzc=keep"});
    QList<OldBinItem> items = {
        {"\\~Recycle\\report.txt", "\\My Documents\\report.txt", {}},
        {"\\~Recycle\\Docs", "\\Work\\Docs", {}},
        {"\\~Recycle\\x", "\\x", {}},
        {"\\~Recycle\\missing", "\\missing", {}},
    };
    RecordingPrompt prompt;
    EXPECT_EQ(CompressRecycleBin(fs, prompt, items), 3);
    ASSERT_EQ(prompt.MessageIds(), QList<int>{IDS_COMPRESS_RECYCLE_BIN});

    EXPECT_EQ(items[0].archivePath, "\\~Recycle\\report.txt.nzc");
    EXPECT_EQ(items[1].archivePath, "\\~Recycle\\Docs.nzc");
    // A taken name belongs to another item: it is numbered, not overwritten.
    EXPECT_EQ(items[2].archivePath, "\\~Recycle\\x(2).nzc");
    EXPECT_TRUE(items[3].archivePath.isEmpty());
    EXPECT_EQ(dev.Read("\\~Recycle\\x.nzc"), QByteArray("keep"));
    EXPECT_EQ(dev.List("\\~Recycle"),
              QStringList({"Docs.nzc", "report.txt.nzc", "x(2).nzc", "x.nzc"}));

    const ArchiveListing docs = ReadArchiveEntries(fs, items[1].archivePath);
    ASSERT_EQ(docs.entries.size(), 3);  // the folder, its file and its empty folder
    for (const QString& archive : {items[0].archivePath, items[1].archivePath}) {
        EXPECT_TRUE(ExtractArchive(fs, archive).Complete());
    }
    EXPECT_EQ(dev.Read("\\My Documents\\report.txt"), QByteArray("old file"));
    EXPECT_EQ(dev.Read("\\Work\\Docs\\a.txt"), QByteArray("a"));
    EXPECT_TRUE(dev.Exists("\\Work\\Docs\\empty"));

    QList<OldBinItem> nothing;
    EXPECT_EQ(CompressRecycleBin(fs, prompt, nothing), 0);
    EXPECT_EQ(prompt.messages.size(), 1);
}

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
