#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <functional>
#include <vector>

#include "app/path_helpers.h"
#include "platform/device_fs.h"
#include "platform/host_attributes.h"
#include "support/temp_device.h"

namespace {

quint32 Attributes(TempDevice& d, const QString& path) {
    return d.fs().GetAttributes(path).value_or(0xffffffffu);
}

QByteArray RawXattr(TempDevice& d, const QString& path, const char* key) {
    char buffer[64];
    ssize_t n =
        lgetxattr(QFile::encodeName(d.fs().HostPath(path)).constData(), key, buffer, sizeof buffer);
    return n < 0 ? QByteArray() : QByteArray(buffer, int(n));
}

}  // namespace

TEST(DeviceFs, RefusesPathsThatCouldLeaveTheVolumeOrPass259Units) {
    TempDevice d;
    d.Make({"\\A\\f.txt=x"});
    const QStringList bad = {
        "\\..\\escape.txt",
        "\\A\\..\\..\\escape.txt",
        "\\.\\x",
        "A\\f.txt",
        "\\A\\\\f.txt",
        "\\A\\f:txt",
        "\\A\\f*.txt\\x",
        "\\A\\a/b",
        "\\A\\" + QString(QChar(0x1f)) + "x",  // the highest control character
        QString(),
        "/etc/passwd",
        "C:\\x",
    };
    for (const QString& path : bad) {
        EXPECT_FALSE(d.fs().CreateDirectory(path)) << path;
        EXPECT_FALSE(d.fs().Open(path, OpenMode::CreateAlways)) << path;
        EXPECT_FALSE(d.fs().GetAttributes(path)) << path;
    }
    EXPECT_EQ(d.fs().LastError(), DeviceError::InvalidPath);
    EXPECT_FALSE(QFile::exists(d.BaseDir() + "/escape.txt"));
    EXPECT_FALSE(QFile::exists(d.HostRoot() + "/../escape.txt"));

    const QString longest = "\\" + QString(254, QChar('a')) + "\\abc";  // 259 units
    EXPECT_TRUE(d.fs().CreateDirectory(longest.left(255)));
    EXPECT_TRUE(d.fs().CreateDirectory(longest));
    EXPECT_FALSE(d.fs().CreateDirectory(longest + "d"));
    EXPECT_EQ(d.fs().LastError(), DeviceError::InvalidPath);
}

TEST(DeviceFs, ResolvesNamesWithoutRegardToCaseAndFindsByPattern) {
    TempDevice d;
    d.Make({"\\My Documents\\Report.TXT=hello", "\\My Documents\\Sub\\"});
    EXPECT_EQ(d.Read("\\MY DOCUMENTS\\report.txt"), "hello");
    FindData record;
    ASSERT_TRUE(PathExists(d.fs(), QStringLiteral("\\my documents\\REPORT.txt"), &record));
    EXPECT_EQ(record.name, "Report.TXT");  // the stored spelling
    EXPECT_EQ(record.size, 5u);
    // Creating through another spelling lands in the existing folder.
    d.File("\\my documents\\sub\\new.txt", "n");
    EXPECT_EQ(d.List("\\My Documents\\Sub"), QStringList{"new.txt"});

    d.Make({"\\F\\a.txt", "\\F\\B.TXT", "\\F\\readme", "\\F\\c.txt.bak", "\\F\\Sub\\", "\\E\\"});
    EXPECT_EQ(d.List("\\F"), (QStringList{"a.txt", "B.TXT", "c.txt.bak", "readme", "Sub\\"}));
    EXPECT_EQ(d.List("\\F", "*.txt"), (QStringList{"a.txt", "B.TXT"}));
    EXPECT_EQ(d.List("\\F", "?.TXT"), (QStringList{"a.txt", "B.TXT"}));
    EXPECT_EQ(d.List("\\F", "*.doc"), QStringList());
    EXPECT_EQ(d.fs().LastError(), DeviceError::NotFound);
    EXPECT_EQ(d.List("\\Missing"), QStringList());
    EXPECT_EQ(d.List("\\E"), QStringList());  // never "." or ".."
}

TEST(DeviceFs, HostEntriesThatCannotBeDeviceNamesOrLeadOutsideAreNotShown) {
    TempDevice d;
    d.Make({"\\F\\ok.txt=1"});
    QString host = d.fs().HostPath("\\F");
    QFile(host + "/a:b.txt").open(QIODevice::WriteOnly);
    QFile(host + "/back\\slash").open(QIODevice::WriteOnly);
    QByteArray badUtf8 = QFile::encodeName(host) + "/bad\xff.txt";
    ::close(::open(badUtf8.constData(), O_CREAT | O_WRONLY, 0644));
    ASSERT_EQ(symlink(d.BaseDir().toUtf8().constData(), (host + "/outside").toUtf8().constData()),
              0);
    EXPECT_EQ(d.List("\\F"), QStringList{"ok.txt"});
    // A walk learns what was left out, to report it.
    FindData first;
    auto handle = d.fs().FindFirst("\\F\\*.*", first);
    ASSERT_TRUE(handle);
    while (handle->Next(first)) {
    }
    QStringList skipped = handle->Skipped();
    skipped.sort();
    EXPECT_EQ(skipped, (QStringList{"a:b.txt", "back\\slash", "bad\uFFFD.txt", "outside"}));
    EXPECT_FALSE(d.Exists("\\F\\outside"));
    EXPECT_FALSE(d.fs().Open("\\F\\outside\\settings.ini", OpenMode::Read));
    EXPECT_FALSE(d.fs().Open("\\F\\outside", OpenMode::CreateAlways));
}

TEST(DeviceFs, AttributesLiveInPermissionBitsAndDosAttrib) {
    TempDevice d;
    d.Make({"\\a.txt=1", "\\.profile=1", "\\Dir\\"});
    EXPECT_EQ(Attributes(d, "\\a.txt"), Attr::kArchive);
    EXPECT_EQ(Attributes(d, "\\.profile"), Attr::kArchive | Attr::kHidden);
    EXPECT_EQ(Attributes(d, "\\Dir"), Attr::kDirectory);
    EXPECT_EQ(Attributes(d, "\\"), Attr::kDirectory);

    ASSERT_TRUE(d.fs().SetAttributes("\\a.txt", Attr::kHidden | Attr::kSystem | Attr::kReadOnly));
    EXPECT_EQ(Attributes(d, "\\a.txt"), Attr::kHidden | Attr::kSystem | Attr::kReadOnly);
    EXPECT_EQ(RawXattr(d, "\\a.txt", "user.DOSATTRIB"), "0x7");  // text, no NUL
    EXPECT_EQ(QFile::permissions(d.fs().HostPath("\\a.txt")) &
                  (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther),
              QFile::Permissions());
    // Clearing read-only gives the owner back the write bit; the other bits stay.
    ASSERT_TRUE(d.fs().SetAttributes("\\a.txt", Attr::kHidden));
    EXPECT_EQ(Attributes(d, "\\a.txt"), Attr::kHidden);
    EXPECT_TRUE(QFile::permissions(d.fs().HostPath("\\a.txt")) & QFile::WriteOwner);
    EXPECT_EQ(RawXattr(d, "\\a.txt", "user.DOSATTRIB"), "0x2");

    // Samba 4.17's value after "setmode a.txt +rh": read-only lives in the word alone, and a
    // change keeps the form and the creation time.
    const QByteArray host = QFile::encodeName(d.fs().HostPath("\\.profile"));
    const QByteArray v5 = QByteArray::fromHex("000005000500000011000000030000009"
                                              "86eaaaef885dd01");
    ASSERT_EQ(lsetxattr(host.constData(), "user.DOSATTRIB", v5.constData(), v5.size(), 0), 0);
    EXPECT_EQ(Attributes(d, "\\.profile"), Attr::kHidden | Attr::kReadOnly);
    ASSERT_TRUE(d.fs().SetAttributes("\\.profile", Attr::kArchive));
    EXPECT_EQ(RawXattr(d, "\\.profile", "user.DOSATTRIB"), QByteArray(v5).replace(12, 1, "\x20"));
}

// Every form of the value Samba and Wine write: the word read, and a change of it.
TEST(DosAttrib, ReadsAndChangesEachForm) {
    const QByteArray time("\1\2\3\4\5\6\7\x8", 8);
    const QByteArray v3tail =
        QByteArray("\x31\0\0\0", 4) + "%w" + QByteArray(20, '\0') + time + time;
    struct Case {
        QByteArray value;  // "%w" stands for the attribute word's four bytes
        quint32 word;
        QByteArray changed;  // with the word 0x3
    };
    auto word = [](quint32 w) { return QByteArray(reinterpret_cast<const char*>(&w), 4); };
    const QList<Case> cases = {
        {"0x22", 0x22, "0x3"},                                       // Wine, our own
        {QByteArray("0x22\0", 5), 0x22, QByteArray("0x3\0", 4)},  // with its NUL
        {QByteArray("\0\0\5\0\5\0\0\0\x11\0\0\0%w", 16) + time, 0x20, {}},  // Samba 4.9+
        {QByteArray("\0\0\4\0\4\0\0\0\1\0\0\0%w", 16) + time + time, 0x2, {}},
        {QByteArray("0x21\0\0\3\0\3\0\0\0", 12) + v3tail, 0x21,  // 4.0 to 4.8: text too
         QByteArray("0x3\0\3\0\3\0", 8) + v3tail},                // shorter text, less pad
        {QByteArray("0x7\0\1\0\1\0%w", 10) + QByteArray(36, '\0'), 0x7,
         QByteArray("0x3\0\1\0\1\0", 8) + "%w" + QByteArray(36, '\0')},
        // A word not marked valid: the text counts; a change marks it.
        {QByteArray("0x6\0\3\0\3\0\0\0\0\0%w", 14) + QByteArray(40, '\0'), 0x6,
         QByteArray("0x3\0\3\0\3\0\1\0\0\0%w", 14) + QByteArray(40, '\0')},
    };
    for (const Case& c : cases) {
        const QByteArray value = QByteArray(c.value).replace("%w", word(c.word));
        EXPECT_EQ(ParseDosAttrib(value), c.word) << value.toHex().constData();
        const QByteArray expected = c.changed.isEmpty()
                                        ? QByteArray(value).replace(word(c.word), word(0x3))
                                        : QByteArray(c.changed).replace("%w", word(0x3));
        EXPECT_EQ(ChangeDosAttrib(value, 0x3).toHex(), expected.toHex());
        EXPECT_EQ(ParseDosAttrib(ChangeDosAttrib(value, 0x3)), 0x3u);
    }
    for (const QByteArray& junk : {QByteArray("junk"), QByteArray("\0\0\5\0\5", 5), QByteArray()})
        EXPECT_FALSE(ParseDosAttrib(junk)) << junk.toHex().constData();
}

// ROM files refuse every change; read-only ones refuse writing and deletion until cleared,
// but may be renamed. Both can be read.
TEST(DeviceFs, RomAndReadOnlyFilesRefuseChanges) {
    TempDevice d;
    d.Make({"\\rom.dll=code", "\\mod.exe=code", "\\ro.txt=code", "\\src.txt=new"});
    d.SetRawAttributes("\\rom.dll", Attr::kInRom | Attr::kSystem);
    d.SetRawAttributes("\\mod.exe", Attr::kRomModule);
    ASSERT_TRUE(d.fs().SetAttributes("\\ro.txt", Attr::kReadOnly | Attr::kArchive));
    for (const QString path : {"\\rom.dll", "\\mod.exe", "\\ro.txt"}) {
        const bool rom = path != "\\ro.txt";
        EXPECT_EQ(IsRomFile(Attributes(d, path)), rom) << path;
        EXPECT_FALSE(d.fs().DeleteFile(path)) << path;
        EXPECT_EQ(d.fs().LastError(), DeviceError::AccessDenied) << path;
        EXPECT_FALSE(d.fs().Open(path, OpenMode::CreateAlways)) << path;
        EXPECT_FALSE(d.fs().CopyFile("\\src.txt", path)) << path;
        if (rom) {
            EXPECT_FALSE(d.fs().Open(path, OpenMode::ReadWrite)) << path;
            EXPECT_FALSE(d.fs().SetAttributes(path, 0)) << path;
            EXPECT_FALSE(d.fs().CopyFile(path, "\\copy")) << path;
            EXPECT_FALSE(d.fs().MoveFile(path, "\\moved")) << path;
        }
        EXPECT_EQ(d.Read(path), "code") << path;
    }
    EXPECT_EQ(d.List("\\"), (QStringList{"mod.exe", "ro.txt", "rom.dll", "src.txt"}));
    EXPECT_TRUE(d.fs().MoveFile("\\ro.txt", "\\renamed.txt"));
    ASSERT_TRUE(d.fs().SetAttributes("\\renamed.txt", Attr::kArchive));
    EXPECT_TRUE(d.fs().DeleteFile("\\renamed.txt"));
}

TEST(DeviceFs, StorageCardsAreFoldersInTheRootThatNeverHideAnother) {
    TempDevice d({"Storage Card"});
    d.Make({"\\My Documents\\", "\\Storage Card\\photo.jpg=jpg"});
    EXPECT_TRUE(QFile::exists(d.CardHostDir("Storage Card") + "/photo.jpg"));
    EXPECT_FALSE(QFile::exists(d.HostRoot() + "/Storage Card"));
    EXPECT_EQ(d.List("\\"), (QStringList{"My Documents\\", "Storage Card\\"}));
    EXPECT_EQ(Attributes(d, "\\storage card"), Attr::kDirectory | Attr::kTemporary);
    FindData record;
    ASSERT_TRUE(PathExists(d.fs(), QStringLiteral("\\Storage Card"), &record));
    EXPECT_TRUE(IsStorageCard(record.attributes));
    EXPECT_FALSE(d.fs().RemoveDirectory("\\Storage Card"));
    EXPECT_FALSE(d.fs().MoveFile("\\Storage Card", "\\Card"));
    EXPECT_EQ(d.fs().StorageCards(), QStringList{"Storage Card"});
    EXPECT_TRUE(d.fs().GetDiskFreeSpace("\\Storage Card"));

    // A file moves between volumes; a folder does not (callers copy and remove).
    EXPECT_TRUE(d.fs().MoveFile("\\Storage Card\\photo.jpg", "\\My Documents\\photo.jpg"));
    EXPECT_EQ(d.Read("\\My Documents\\photo.jpg"), "jpg");
    EXPECT_FALSE(d.Exists("\\Storage Card\\photo.jpg"));

    // Taking the card out unmounts it.
    QDir(d.CardHostDir("Storage Card")).removeRecursively();
    EXPECT_EQ(d.List("\\"), QStringList{"My Documents\\"});
    EXPECT_FALSE(d.Exists("\\Storage Card"));
    EXPECT_TRUE(d.fs().StorageCards().isEmpty());

    // Media never hide a root folder or another card.
    d.Make({"\\My Documents\\mine.txt=1"});
    HostDeviceFs::Config config;
    config.rootDir = d.HostRoot();
    config.reservedNames = {"~Recycle"};  // made later, when the bin is first used
    for (const char* card : {"My Documents", "Card", "CARD", "Card (2)", "~recycle"}) {
        const QString dir = d.BaseDir() + "/media/" + card;
        QDir().mkpath(dir);
        QFile(dir + "/stick.txt").open(QIODevice::WriteOnly);
        config.cards.append({card, dir});
    }
    HostDeviceFs fs(config);
    EXPECT_EQ(fs.StorageCards(),
              (QStringList{"My Documents (2)", "Card", "CARD (2)", "Card (2) (2)", "~recycle (2)"}));
    ASSERT_TRUE(PathExists(fs, QStringLiteral("\\My Documents\\mine.txt"), &record));
    EXPECT_FALSE(PathExists(fs, QStringLiteral("\\My Documents\\stick.txt"), &record));
    EXPECT_TRUE(PathExists(fs, QStringLiteral("\\My Documents (2)\\stick.txt"), &record));
}

TEST(DeviceFs, CopyReplacesKeepingAttributesAndWriteTimeAndMoveNeverReplaces) {
    TempDevice d;
    d.Make({"\\src.txt=new content", "\\dst.txt=old"});
    ASSERT_TRUE(d.fs().SetAttributes("\\src.txt", Attr::kHidden | Attr::kArchive));
    FileTime written = 130000000000000000ULL;  // 2012
    ASSERT_TRUE(d.fs().SetTimes("\\src.txt", nullptr, nullptr, &written));
    ASSERT_TRUE(d.fs().CopyFile("\\src.txt", "\\DST.txt"));
    EXPECT_EQ(d.Read("\\dst.txt"), "new content");
    EXPECT_EQ(Attributes(d, "\\dst.txt"), Attr::kHidden | Attr::kArchive);
    FileTime copied = 0;
    ASSERT_TRUE(d.fs().GetTimes("\\dst.txt", nullptr, nullptr, &copied));
    EXPECT_EQ(copied, written);
    EXPECT_EQ(d.List("\\"), (QStringList{"dst.txt", "src.txt"}));  // no temporary left
    ASSERT_EQ(chmod(QFile::encodeName(d.fs().HostPath("\\src.txt")).constData(), 0600), 0);
    ASSERT_TRUE(d.fs().CopyFile("\\src.txt", "\\new.txt"));
    EXPECT_EQ(d.fs().GetPermissions("\\new.txt"), 0600u);  // never wider than the source
    EXPECT_FALSE(d.fs().CopyFile("\\src.txt", "\\src.txt"));
    EXPECT_EQ(d.Read("\\src.txt"), "new content");
    EXPECT_FALSE(d.fs().CopyFile("\\src.txt", "\\Missing\\x.txt"));

    // A move never replaces.
    d.Make({"\\a.txt=a", "\\b.txt=b", "\\Dir\\Sub\\"});
    EXPECT_FALSE(d.fs().MoveFile("\\a.txt", "\\B.TXT"));
    EXPECT_EQ(d.fs().LastError(), DeviceError::Exists);
    EXPECT_EQ(d.Read("\\b.txt"), "b");
    EXPECT_TRUE(d.fs().MoveFile("\\a.txt", "\\A.TXT"));  // a change of case only
    EXPECT_EQ(d.List("\\"),
              (QStringList{"A.TXT", "b.txt", "Dir\\", "dst.txt", "new.txt", "src.txt"}));
    EXPECT_FALSE(d.fs().MoveFile("\\Dir", "\\Dir\\Sub\\Dir"));
    EXPECT_TRUE(d.fs().MoveFile("\\Dir", "\\Folder"));
    EXPECT_TRUE(d.Exists("\\Folder\\Sub"));
}

TEST(DeviceFs, OpenModesReplaceAnd64BitTimesAndSizes) {
    TempDevice d;
    EXPECT_FALSE(d.fs().Open("\\none.txt", OpenMode::Read));
    EXPECT_FALSE(d.fs().Open("\\none.txt", OpenMode::ReadWrite));
    auto file = d.fs().Open("\\index.bin", OpenMode::CreateAlways, Attr::kHidden);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->Write("abcdef", 6));
    ASSERT_TRUE(file->Seek(2));
    EXPECT_EQ(file->Position(), 2);
    ASSERT_TRUE(file->Write("XY", 2));
    EXPECT_EQ(file->Size(), 6);
    ASSERT_TRUE(file->Close());
    EXPECT_EQ(d.Read("\\index.bin"), "abXYef");
    EXPECT_EQ(Attributes(d, "\\index.bin"), Attr::kHidden | Attr::kArchive);
    // Created with attributes, the file keeps the permissions of any new file (tests run as
    // root, who reads a file whatever its permission bits say).
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(d.fs().HostPath("\\index.bin")).constData(), &st), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask);

    // A replacement takes the new content and keeps the old file's attributes.
    d.Make({"\\index.tmp=fresh"});
    ASSERT_TRUE(d.fs().ReplaceFile("\\index.tmp", "\\index.bin"));
    EXPECT_EQ(d.Read("\\index.bin"), "fresh");
    EXPECT_EQ(Attributes(d, "\\index.bin"), Attr::kHidden | Attr::kArchive);
    EXPECT_FALSE(d.Exists("\\index.tmp"));

    // Times and sizes are 64-bit.
    d.Make({"\\big.bin=x"});
    ASSERT_EQ(truncate(QFile::encodeName(d.fs().HostPath("\\big.bin")).constData(),
                       5LL * 1024 * 1024 * 1024 + 7),
              0);  // sparse
    quint32 high = 0;
    EXPECT_EQ(GetFileSizeLow(d.fs(), "\\big.bin", &high), 1024u * 1024 * 1024 + 7);
    EXPECT_EQ(high, 1u);
    EXPECT_EQ(GetFileSize64(d.fs(), "\\big.bin"), 5ULL * 1024 * 1024 * 1024 + 7);
    FileTime t = 116444736000000000ULL + 10000000ULL * 86400 * 365 * 40 + 1234500;
    ASSERT_TRUE(d.fs().SetTimes("\\big.bin", nullptr, &t, &t));
    FindData record;
    ASSERT_TRUE(PathExists(d.fs(), QStringLiteral("\\big.bin"), &record));
    EXPECT_EQ(record.lastWriteTime, t);
    EXPECT_EQ(record.lastAccessTime, t);
    EXPECT_NE(record.objectId, 0u);
}

TEST(DeviceFs, NothingFollowsAFolderSwappedForALink) {
    TempDevice d;
    d.Make({"\\A\\f.txt=1", "\\A\\Sub\\", "\\src.txt=data"});
    const QString outside = d.BaseDir() + "/outside";
    QDir().mkpath(outside + "/vdir");
    QFile victim(outside + "/victim.txt");
    ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
    victim.write("keep");
    victim.close();
    // Every path below \A was used once, so that nothing learnt then is trusted later.
    EXPECT_EQ(d.Read("\\A\\f.txt"), "1");
    d.File("\\A\\Sub\\warm.txt", "w");
    const QByteArray host = QFile::encodeName(d.HostRoot() + "/A");
    ASSERT_EQ(rename(host.constData(), (host + ".real").constData()), 0);
    ASSERT_EQ(symlink(QFile::encodeName(outside).constData(), host.constData()), 0);
    FileTime t = 130000000000000000ULL;
    QString temp;
    const std::vector<std::pair<const char*, std::function<bool()>>> attacks = {
        {"copy", [&] { return d.fs().CopyFile("\\src.txt", "\\A\\new.txt"); }},
        {"create", [&] { return bool(d.fs().Open("\\A\\new2.txt", OpenMode::CreateAlways)); }},
        {"open", [&] { return bool(d.fs().Open("\\A\\victim.txt", OpenMode::ReadWrite)); }},
        {"mkdir", [&] { return d.fs().CreateDirectory("\\A\\dir"); }},
        {"delete", [&] { return d.fs().DeleteFile("\\A\\victim.txt"); }},
        {"rmdir", [&] { return d.fs().RemoveDirectory("\\A\\vdir"); }},
        {"move in", [&] { return d.fs().MoveFile("\\src.txt", "\\A\\moved.txt"); }},
        {"move out", [&] { return d.fs().MoveFile("\\A\\victim.txt", "\\stolen.txt"); }},
        {"attributes", [&] { return d.fs().SetAttributes("\\A\\victim.txt", Attr::kReadOnly); }},
        {"times", [&] { return d.fs().SetTimes("\\A\\victim.txt", nullptr, &t, &t); }},
        {"temporary", [&] { return bool(d.fs().CreateTempFile("\\A", &temp)); }},
        {"below", [&] { return d.fs().CopyFile("\\src.txt", "\\A\\vdir\\x.txt"); }},
    };
    for (const auto& [name, attack] : attacks)
        EXPECT_FALSE(attack()) << name;
    EXPECT_EQ(QDir(outside).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"vdir", "victim.txt"}));
    EXPECT_TRUE(QDir(outside + "/vdir").isEmpty());
    ASSERT_TRUE(victim.open(QIODevice::ReadOnly));
    EXPECT_EQ(victim.readAll(), "keep");
    EXPECT_EQ(d.Read("\\src.txt"), "data");
}

TEST(DeviceFs, TemporaryFilesArePrivateHiddenAndSweptOnlyWhenTheirWriterIsGone) {
    TempDevice d;
    d.Make({"\\F\\", "\\src.txt=s"});
    const QString host = d.fs().HostPath("\\F");
    pid_t child = fork();
    if (child == 0) _exit(0);
    ASSERT_GT(child, 0);
    waitpid(child, nullptr, 0);
    const QString dead = ".nuvio-tmp-" + QString::number(child) + "-1";
    const QString live = ".nuvio-tmp-1-2";  // pid 1 runs as long as the machine
    for (const QString& name : {dead, live}) {
        QFile f(host + "/" + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QString temp;
    auto file = d.fs().CreateTempFile("\\F", &temp);
    ASSERT_TRUE(file);
    EXPECT_TRUE(temp.startsWith("\\F\\.nuvio-tmp-"));
    EXPECT_EQ(file->Permissions(), 0600u);
    ASSERT_TRUE(file->Write("t", 1));
    EXPECT_TRUE(d.List("\\F").isEmpty());  // never listed
    // A second device (another process) writing here keeps what a live writer holds.
    HostDeviceFs::Config config;
    config.rootDir = d.HostRoot();
    HostDeviceFs second(config);
    ASSERT_TRUE(second.CopyFile("\\src.txt", "\\F\\copy.txt"));
    EXPECT_FALSE(QFile::exists(host + "/" + dead));
    EXPECT_TRUE(QFile::exists(host + "/" + live));
    EXPECT_TRUE(QFile::exists(d.fs().HostPath(temp)));
    ASSERT_TRUE(file->Close());
    ASSERT_TRUE(d.fs().MoveFile(temp, "\\F\\done.txt"));
    EXPECT_EQ(d.List("\\F"), (QStringList{"copy.txt", "done.txt"}));
}
