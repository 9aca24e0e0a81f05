#include <gtest/gtest.h>
#include <minizip/zip.h>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include "recycle/recycle_archive.h"
#include "recycle/recycle_archive_extract.h"
#include "recycle/recycle_archive_pack.h"
#include "recycle/recycle_test_helpers.h"
#include "support/temp_device.h"

namespace {

// Lists name, UTF-8 flag, folder flag, size and method (0 stored, 8 deflated) of each entry,
// then the result of testzip.
const char kPythonLister[] =
    "import sys, zipfile\n"
    "z = zipfile.ZipFile(sys.argv[1])\n"
    "for i in z.infolist():\n"
    "    print('%s|%d|%d|%d|%d' % (i.filename, bool(i.flag_bits & 0x800), i.is_dir(), "
    "i.file_size, i.compress_type))\n"
    "print('test:%s' % z.testzip())\n";

class ArchiveInterop : public ::testing::Test {
protected:
    ArchiveInterop() : fs(dev.fs()) { dev.Make({QStringLiteral("\\~Recycle\\")}); }

    // Both tools accept the archive and see the given entries, as the lister prints them.
    void ExpectToolsRead(const QString& archive, QStringList expected) {
        const QString host = fs.HostPath(archive);
        const ToolRun test = RunTool(QStringLiteral("unzip"), {QStringLiteral("-t"), host});
        if (test.found) {
            EXPECT_EQ(test.exitCode, 0) << test.output.toStdString();
            const ToolRun list = RunTool(QStringLiteral("unzip"), {QStringLiteral("-l"), host});
            for (const QString& line : expected) {
                EXPECT_TRUE(list.output.contains(line.section(QLatin1Char('|'), 0, 0)))
                    << list.output.toStdString();
            }
        }
        const ToolRun python =
            RunTool(QStringLiteral("python3"),
                    {QStringLiteral("-c"), QString::fromLatin1(kPythonLister), host});
        if (!test.found && !python.found) GTEST_SKIP() << "neither unzip nor python3 installed";
        if (!python.found) return;
        QStringList lines = python.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty()) << python.output.toStdString();
        EXPECT_EQ(lines.takeLast(), QStringLiteral("test:None"));
        lines.sort();
        expected.sort();
        EXPECT_EQ(lines, expected);
    }

    TempDevice dev;
    DeviceFs& fs;
};

// Names in UTF-8 with the flag set; data that does not shrink is stored, by its type or by a
// trial; text is deflated, a long file in pieces joined into one stream. The tools and our
// own restore read each kind back.
TEST_F(ArchiveInterop, ArchivesOpenInInfoZipAndPythonWithTheirNamesAndMethods) {
    QByteArray text;
    for (int i = 0; text.size() < (9 << 20); ++i)
        text += QByteArray::number(i * 7919 % 10007) + " words of a document, ";
    QByteArray noise(300000, Qt::Uninitialized);
    quint32 x = 1;
    for (char& c : noise)
        c = char((x = x * 1103515245u + 12345u) >> 24);
    const struct {
        QString name;
        QByteArray data;
        int method;
    } cases[] = {{"報告.txt", text.left(20000), 8},
                 {"子/資料.bin", noise, 0},
                 {"photo.jpg", text.left(20000), 0},
                 {"long.txt", text, 8},
                 {"empty.txt", QByteArray(), 0}};
    QStringList expected = {"文件/|1|1|0|0", "文件/子/|1|1|0|0", "文件/空資料匣/|1|1|0|0"};
    dev.Make({"\\文件\\空資料匣\\"});
    for (const auto& c : cases) {
        dev.File("\\文件\\" + QString(c.name).replace('/', '\\'), c.data);
        expected.append(
            QStringLiteral("文件/%1|1|0|%2|%3").arg(c.name).arg(c.data.size()).arg(c.method));
    }
    const QStringList before = dev.Snapshot(QStringLiteral("\\文件"));
    const QString archive = QStringLiteral("\\~Recycle\\文件.nzc");
    ASSERT_TRUE(PackIntoArchive(fs, QStringLiteral("\\文件"), archive).packed);
    ExpectToolsRead(archive, expected);
    RemoveTree(fs, QStringLiteral("\\文件"));
    EXPECT_TRUE(ExtractArchive(fs, archive).Complete());
    EXPECT_EQ(dev.Snapshot(QStringLiteral("\\文件")), before);

    // Zip64 headers, as files over 4 GiB get them, on sizes around the copy buffer's.
    dev.Make({"\\Z\\zero", "\\Z\\under#8191", "\\Z\\exact#8192", "\\Z\\over#8193",
              "\\Z\\大.bin#300000", "\\Z\\empty\\"});
    const QStringList zipped = dev.Snapshot(QStringLiteral("\\Z"));
    RecycleArchive writer(fs);
    writer.SetZip64Threshold(0);
    ASSERT_TRUE(writer.OpenArchive(QStringLiteral("\\~Recycle\\Z.nzc")));
    for (const char* name : {"zero", "under", "exact", "over", "大.bin", "empty"})
        EXPECT_TRUE(writer.AddToArchive(QStringLiteral("\\Z\\") + QString::fromUtf8(name)));
    ASSERT_TRUE(writer.CloseArchive());
    ExpectToolsRead(QStringLiteral("\\~Recycle\\Z.nzc"),
                    {"Z/zero|1|0|0|0", "Z/under|1|0|8191|8", "Z/exact|1|0|8192|8",
                     "Z/over|1|0|8193|8", "Z/大.bin|1|0|300000|8", "Z/empty/|1|1|0|0"});
    RemoveTree(fs, QStringLiteral("\\Z"));
    EXPECT_TRUE(ExtractArchive(fs, QStringLiteral("\\~Recycle\\Z.nzc")).Complete());
    EXPECT_EQ(dev.Snapshot(QStringLiteral("\\Z")), zipped);
}

TEST_F(ArchiveInterop, AnArchiveMadeByInfoZipExtracts) {
    dev.Make({"\\Z\\中文.txt=內容", "\\Z\\sub\\b.txt=bee", "\\Z\\empty\\"});
    const QStringList before = dev.Snapshot(QStringLiteral("\\Z"));
    const QString made = dev.BaseDir() + QStringLiteral("/made.zip");
    const ToolRun zip = RunTool(QStringLiteral("zip"), {"-r", "-q", made, "Z"}, dev.HostRoot());
    if (!zip.found) GTEST_SKIP() << "zip is not installed";
    ASSERT_EQ(zip.exitCode, 0) << zip.output.toStdString();
    ASSERT_TRUE(QFile::copy(made, dev.HostRoot() + QStringLiteral("/~Recycle/Z.nzc")));

    RemoveTree(fs, QStringLiteral("\\Z"));
    const ExtractResult result = ExtractArchive(fs, QStringLiteral("\\~Recycle\\Z.nzc"));
    EXPECT_TRUE(result.Complete());
    EXPECT_EQ(result.files, 2u);
    EXPECT_EQ(dev.Snapshot(QStringLiteral("\\Z")), before);
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
    const QString outside = dev.BaseDir() + QStringLiteral("/escape3.txt");
    const QList<QByteArray> names = {"../escape1.txt",
                                     "..\\escape2.txt",
                                     QFile::encodeName(outside),
                                     "C:\\escape4.txt",
                                     "a\\..\\..\\escape5.txt",
                                     "nulXescape6.txt",
                                     "",
                                     QByteArray(300, 'e'),
                                     "\\\\host\\share\\escape7.txt",
                                     "Good/ok.txt"};
    const QString host = dev.HostRoot() + QStringLiteral("/~Recycle/evil.nzc");
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

    const ExtractResult result = ExtractArchive(fs, QStringLiteral("\\~Recycle\\evil.nzc"));
    EXPECT_FALSE(result.Complete());
    EXPECT_EQ(result.refused, quint64(names.size() - 1));
    EXPECT_EQ(result.files, 1u);
    EXPECT_EQ(dev.Read(QStringLiteral("\\Good\\ok.txt")), QByteArray("fine"));
    EXPECT_EQ(dev.List(QStringLiteral("\\")), QStringList({"Good\\", "~Recycle\\"}));
    QDirIterator mine(dev.BaseDir(), QDir::Files | QDir::Hidden | QDir::System,
                      QDirIterator::Subdirectories);
    while (mine.hasNext()) {
        const QString path = mine.next();
        EXPECT_FALSE(path.contains(QLatin1String("escape"))) << path.toStdString();
    }
}

}  // namespace
