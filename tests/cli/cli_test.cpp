#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QUrl>

#include "app/load_str.h"
#include "app/message.h"
#include "cli/cli_test_fixture.h"
#include "platform/device_fs.h"
#include "platform/file_time.h"
#include "resources/ids.h"

// Bad usage exits 2 without touching anything; --help explains and exits 0.
class CliUsageTest : public CliTest {};

TEST_F(CliUsageTest, BadUsageExitsTwoAndChangesNothing) {
    device().Make({"\\A\\a.txt=a"});
    const QStringList before = device().Snapshot();
    const QList<QStringList> cases = {
        {"--root", device().BaseDir() + "/missing", "ls"},
        {},
        {"frobnicate"},
        {"ls", "--bogus"},
        {"ls", "--sort", "colour"},
        {"ls", "\\A", "\\B"},
        {"cp", "\\A\\a.txt"},
        {"mv", "--yes", "--no", "\\A\\a.txt", "\\B"},
        {"rm"},
        {"attrib"},
        {"ln", "\\A\\a.txt"},
        {"bin"},
        {"bin", "restore", "first"},
        {"bin", "shred"},
        {"fav", "rm", "-1"},
        {"dump", "--page", "0", "\\A\\a.txt"},
        {"find", "\\A"},
        {"encrypt", "--password-fd", "x", "\\A\\a.txt"},
    };
    for (const QStringList& arguments : cases) {
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.code, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains(QStringLiteral("用法: nuvio")))
            << arguments.join(' ').toStdString();
    }
    EXPECT_EQ(device().Snapshot(), before);
}

TEST_F(CliUsageTest, HelpForEveryCommand) {
    for (const char* command : {"ls", "attrib", "mkdir", "cp", "mv", "rm", "ln", "bin", "encrypt",
                                "decrypt", "find", "dump", "info", "fav"}) {
        const CliResult result = Run({QString::fromLatin1(command), QStringLiteral("--help")});
        EXPECT_EQ(result.code, 0) << command;
        EXPECT_TRUE(
            result.out.startsWith(QStringLiteral("用法: nuvio ") + QString::fromLatin1(command)))
            << command;
    }
    EXPECT_EQ(Run({"--help"}).code, 0);
    // The locale chooses the language of the usage as of the messages.
    qputenv("LC_ALL", "en_US.UTF-8");
    EXPECT_TRUE(Run({"ls", "--help"}).out.startsWith(QStringLiteral("usage: nuvio ls")));
    qputenv("LC_ALL", "C.UTF-8");
}

// mkdir, cp, mv, rm and ln: one run each over the explorer's rules, with the exit status
// and the flags that answer questions. The rules themselves are tested in the core. What a
// command did not do is said, with exit status 1.
class CliFileCommandsTest : public CliTest {
protected:
    void HostFile(const QString& relative, const QByteArray& content) {
        const QString path = device().HostRoot() + "/" + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
};

TEST_F(CliFileCommandsTest, MkdirMoveAndLink) {
    device().Make({"\\A\\a.txt=a", "\\A\\T\\deep\\x.txt=x", "\\B\\"});
    const CliResult mkdir = Run({"mkdir", "\\B\\New", "\\B\\new", "\\Gone\\X"});
    EXPECT_TRUE(Reported(mkdir, LoadStr(IDS_FOLDER_EXISTS)));
    EXPECT_TRUE(Reported(mkdir, FormatStr(IDS_FOLDER_NOT_FOUND, "\\Gone")));
    EXPECT_EQ(Run({"mv", "\\A\\a.txt", "\\A\\T", "\\B"}).code, 0);
    EXPECT_EQ(device().List("\\A"), QStringList());
    EXPECT_EQ(device().Read("\\B\\T\\deep\\x.txt"), "x");
    EXPECT_EQ(Run({"ln", "\\B\\a.txt", "\\B\\New\\mine"}).code, 0);
    EXPECT_EQ(device().Read("\\B\\New\\mine.lnk"), "10#\"\\B\\a.txt\"");
    EXPECT_EQ(Run({"ln", "\\B\\a.txt", "\\B\\New\\mine.lnk"}).code, 1);
}

TEST_F(CliFileCommandsTest, CopyAnswersTheReplacementQuestionFromFlags) {
    device().Make({"\\A\\a.txt=new", "\\B\\a.txt=old"});
    const CliResult safe = Run({"cp", "\\A\\a.txt", "\\A\\gone.txt", "\\B"});
    EXPECT_TRUE(Reported(safe, FormatStr(IDS_FILE_EXISTS, "a.txt")));
    EXPECT_TRUE(Reported(safe, FormatStr(IDS_FILE_NOT_FOUND, "\\A\\gone.txt")));
    EXPECT_EQ(Run({"cp", "--no", "\\A\\a.txt", "\\B"}).code, 0);
    EXPECT_EQ(device().Read("\\B\\a.txt"), "old");
    EXPECT_EQ(Run({"cp", "--yes", "\\A\\a.txt", "\\B"}).code, 0);
    EXPECT_EQ(device().Read("\\B\\a.txt"), "new");
    EXPECT_EQ(Run({"cp", "\\A\\a.txt", "\\B\\renamed.txt"}).code, 0);
    EXPECT_EQ(device().Read("\\B\\renamed.txt"), "new");
    device().SetRawAttributes("\\B\\a.txt", Attr::kInRom);
    const CliResult refused = Run({"cp", "--yes", "\\A\\a.txt", "\\B"});
    EXPECT_EQ(refused.code, 1);
    EXPECT_TRUE(refused.err.contains("\\A\\a.txt\"\n" + LoadStr(IDS_CAUSE_ACCESS_DENIED)));
}

TEST_F(CliFileCommandsTest, RemoveGoesIntoTheBinUnlessPurgedAndAsksForReadOnlyFiles) {
    device().Make({"\\A\\a.txt=a", "\\A\\b.txt=b", "\\A\\ro.txt=r"});
    device().SetRawAttributes("\\A\\ro.txt", Attr::kReadOnly);
    EXPECT_EQ(Run({"rm", "\\A\\a.txt"}).code, 0);
    EXPECT_EQ(Run({"rm", "--purge", "\\A\\b.txt"}).code, 0);
    EXPECT_EQ(device().List("\\~Recycle"), QStringList({"a.txt.nzc", "~Recycle.bin"}));
    EXPECT_TRUE(Reported(Run({"rm", "--purge", "\\A\\ro.txt"}),
                         FormatStr(IDS_CONFIRM_DELETE_READ_ONLY, "ro.txt")));
    EXPECT_EQ(Run({"rm", "--purge", "--yes", "\\A\\ro.txt"}).code, 0);
    EXPECT_EQ(device().List("\\A"), QStringList());
}

TEST_F(CliFileCommandsTest, CopyNamesWhatItRenamedAndWhatItLeftOut) {
    for (const char* name : {"S/A.txt", "S/a.txt", "S/Meeting 10:30.txt", "T/Meeting 10:30.txt"})
        HostFile(name, name);
    device().Make({"\\S\\rom.dll=r", "\\D\\"});
    device().SetRawAttributes("\\S\\rom.dll", Attr::kInRom);
    const CliResult result = Run({"cp", "\\S", "\\D"});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains(LoadStr(IDS_ITEMS_LEFT_OUT).section('\n', 0, 0)));
    EXPECT_TRUE(result.err.contains("\\S\\rom.dll"));
    EXPECT_TRUE(result.err.contains("\\S\\Meeting 10:30.txt"));
    EXPECT_EQ(Run({"cp", "\\T", "\\D"}).code, 1);  // a folder of nothing it can show
    EXPECT_TRUE(result.err.contains(LoadStr(IDS_ITEMS_RENAMED).section('\n', 0, 0)));
    EXPECT_TRUE(result.err.contains("(2).txt"));
    EXPECT_EQ(device().List("\\D\\S").size(), 2);  // which twin is numbered: a core rule
}

// encrypt and decrypt with the password on a descriptor (here standard input).
class CliCryptTest : public CliTest {
protected:
    CliResult Crypt(const QStringList& arguments, const QByteArray& password = "geheim\n") {
        return Run(QStringList{arguments[0], "--password-fd", "0"} + arguments.mid(1), password);
    }
    static QString Joined(const QString& name, int textId) {
        return name + QLatin1Char('\n') + LoadStr(textId);
    }
};

// --delete removes an original only after its own run succeeded.
TEST_F(CliCryptTest, EncryptDeleteRemovesTheOriginalOnlyAfterSuccess) {
    device().Make({"\\A\\a.txt=a", "\\A\\rom.bin=r", "\\A\\b.txt=b"});
    device().SetRawAttributes("\\A\\rom.bin", Attr::kInRom);
    const CliResult result =
        Crypt({"encrypt", "--delete", "\\A\\a.txt", "\\A\\rom.bin", "\\A\\gone", "\\A\\b.txt"});
    EXPECT_TRUE(result.out.startsWith("\\A\\a.txt.enc\n"));
    EXPECT_TRUE(Reported(result, Joined("rom.bin", IDS_CANNOT_ENCRYPT_ROM_FILE)));
    EXPECT_TRUE(Reported(result, Joined("gone", IDS_CANNOT_OPEN_FILE)));
    EXPECT_EQ(device().List("\\A"), QStringList({"a.txt.enc", "b.txt.enc", "rom.bin"}));

    const QStringList before = device().Snapshot();
    EXPECT_TRUE(Reported(Crypt({"decrypt", "\\A\\a.txt.enc"}, "wrong\n"),
                         Joined("a.txt.enc", IDS_WRONG_PASSWORD)));
    EXPECT_EQ(device().Snapshot(), before);
    EXPECT_EQ(Crypt({"decrypt", "--delete", "\\A\\A.TXT.ENC"}).code, 0);
    EXPECT_EQ(device().Read("\\A\\a.txt"), "a");
    EXPECT_FALSE(device().Exists("\\A\\a.txt.enc"));
}

TEST_F(CliCryptTest, PasswordMustComeFromADescriptorOrATerminal) {
    device().Make({"\\A\\a.txt=a"});
    const QStringList before = device().Snapshot();
    EXPECT_EQ(Run({"encrypt", "\\A\\a.txt"}).code, 2);  // no terminal in tests
    for (const QByteArray& bad : {QByteArray("\n"), QByteArray(), QByteArray(128, 'p') + "\n"})
        EXPECT_EQ(Crypt({"encrypt", "\\A\\a.txt"}, bad).code, 2) << bad.size();
    EXPECT_EQ(device().Snapshot(), before);
}

// ls and attrib: the listing model's rows and the attribute bits, as the explorer has them.
class CliListingTest : public CliTest {
protected:
    QJsonArray ListJson(const QStringList& arguments) {
        return Json(QStringList{"ls", "--json"} + arguments);
    }
    static QStringList Names(const QJsonArray& rows) {
        QStringList names;
        for (const QJsonValue& row : rows)
            names.append(row.toObject().value("name").toString());
        return names;
    }
};

// Which entries hide is a core rule of the listing; here -a shows them.
TEST_F(CliListingTest, JsonRowsCarryTheListingFieldsAndAllShowsHiddenEntries) {
    device().Make({"\\D\\Sub\\", "\\D\\big.txt#3000", "\\D\\secret.txt=x"});
    device().SetRawAttributes("\\D\\secret.txt", Attr::kHidden | Attr::kArchive);
    const FileTime written = FileTimeFromDateTime(QDateTime(QDate(2024, 2, 29), QTime(8, 5, 6)));
    ASSERT_TRUE(device().fs().SetTimes("\\D\\big.txt", nullptr, nullptr, &written));
    const QJsonArray rows = ListJson({"\\D"});
    ASSERT_EQ(rows.size(), 2);
    QJsonObject file = rows[1].toObject();
    EXPECT_FALSE(file.take("type").toString().isEmpty());
    EXPECT_EQ(file, QJsonObject({{"name", "big.txt"}, {"folder", false}, {"size", 3000},
                                 {"written", "2024-02-29T08:05:06+08:00"},  // Asia/Taipei
                                 {"mime", "text/plain"}, {"attributes", int(Attr::kArchive)}}));
    const QJsonObject folder = rows[0].toObject();
    EXPECT_EQ(folder.value("name").toString(), "Sub");
    EXPECT_TRUE(folder.value("folder").toBool());
    EXPECT_EQ(folder.value("mime").toString(), "inode/directory");
    EXPECT_EQ(Names(ListJson({"-a", "\\D"})), QStringList({"Sub", "big.txt", "secret.txt"}));
    EXPECT_TRUE(Run({"ls", "\\D"}).out.contains("big.txt  2K"));

    // The recycle bin is hidden in the folder that holds it, from other file managers too.
    ASSERT_EQ(Run({"rm", "\\D\\big.txt"}).code, 0);
    EXPECT_EQ(device().Read("\\.hidden"), "~Recycle\n");
    EXPECT_FALSE(Names(ListJson({"\\"})).contains("~Recycle"));
    EXPECT_TRUE(Names(ListJson({"-a", "\\"})).contains("~Recycle"));
}

TEST_F(CliListingTest, RelativePathsStartAtTheExplorersLastFolder) {
    device().Make({"\\Work\\Inner\\x.txt=x"});
    Settings()->SetProfileTextById(IDS_SECTION_MAIN, IDS_KEY_WORK_DIRECTORY, "\\Work");
    EXPECT_EQ(Names(ListJson({})), QStringList({"Inner"}));
    EXPECT_EQ(Names(ListJson({"Inner"})), QStringList({"x.txt"}));
    EXPECT_EQ(Names(ListJson({"/Work/Inner"})), QStringList({"x.txt"}));

    EXPECT_TRUE(Reported(Run({"ls", "Gone"}), FormatStr(IDS_FOLDER_NOT_FOUND, "\\Work\\Gone")));
}

TEST_F(CliListingTest, AttribShowsAndChangesBitsButNotRomFiles) {
    device().Make({"\\D\\a.txt=a", "\\D\\rom.bin=r"});
    device().SetRawAttributes("\\D\\rom.bin", Attr::kInRom);
    ASSERT_EQ(Run({"attrib", "+r", "+h", "-a", "\\D\\a.txt"}).code, 0);
    EXPECT_EQ(Attributes("\\D\\a.txt"), Attr::kReadOnly | Attr::kHidden);
    const CliResult shown = Run({"attrib", "\\D\\a.txt"});
    EXPECT_EQ(shown.code, 0);
    EXPECT_EQ(shown.out, "HR  \\D\\a.txt\n");
    ASSERT_EQ(Run({"attrib", "-R", "-h", "+s", "\\D\\a.txt"}).code, 0);
    EXPECT_EQ(Attributes("\\D\\a.txt"), Attr::kSystem);

    const CliResult rom = Run({"attrib", "+h", "\\D\\rom.bin", "\\D\\none.txt"});
    EXPECT_EQ(Attributes("\\D\\rom.bin"), Attr::kInRom);
    EXPECT_TRUE(rom.err.contains("\\D\\rom.bin"));
    EXPECT_TRUE(Reported(rom, FormatStr(IDS_FILE_NOT_FOUND, "\\D\\none.txt")));
}

// Commands that only read leave a fresh device as it was (no bin, favourites or standard
// folders), and take host paths and file:// URIs inside the device for its paths.
TEST_F(CliListingTest, ReadersCreateNothingAndTakeHostPaths) {
    device().Make({"\\D\\a.txt=hello"});
    const QStringList before = device().Snapshot();
    const QString host = device().HostRoot() + "/D/a.txt";
    const QList<QStringList> readers = {
        {"ls", "-a", "\\"}, {"find", "\\", "*.txt"}, {"dump", host}, {"info", "--json"},
        {"bin", "list"},    {"bin", "where"},        {"fav", "list"},
        {"dump", QUrl::fromLocalFile(host).toString()},
    };
    for (const QStringList& args : readers) {
        const CliResult result = Run(args);
        EXPECT_EQ(result.code, 0) << args.join(' ').toStdString() << result.err.toStdString();
    }
    EXPECT_EQ(device().Snapshot(), before);
    EXPECT_EQ(Names(ListJson({device().HostRoot() + "/D"})), QStringList({"a.txt"}));
    // Nor do they leave a bin path behind that the first deletion would find damaged.
    EXPECT_EQ(Run({"rm", "\\D\\a.txt"}).err, "");
}

// bin: one run of each subcommand over the document's bin; the bin's rules are core tests.
class CliBinTest : public CliTest {};

TEST_F(CliBinTest, PutListRestoreEraseAndPurge) {
    device().Make({"\\A\\a.txt=first", "\\A\\b.txt#1500", "\\A\\F\\x.txt=x"});
    ASSERT_EQ(Run({"bin", "put", "\\A\\a.txt", "\\A\\b.txt"}).code, 0);
    ASSERT_EQ(Run({"rm", "\\A\\F"}).code, 0);
    QJsonArray entries = Json({"bin", "list", "--json"});
    ASSERT_EQ(entries.size(), 3);
    QJsonObject second = entries[1].toObject();
    const QDateTime deleted = QDateTime::fromString(second.take("deleted").toString(), Qt::ISODate);
    EXPECT_LT(qAbs(deleted.secsTo(QDateTime::currentDateTime())), 120);
    EXPECT_EQ(second, QJsonObject({{"index", 1}, {"name", "b.txt"}, {"original", "\\A\\b.txt"},
                                   {"archive", "\\~Recycle\\b.txt.nzc"}, {"size", 1500},
                                   {"attributes", int(Attr::kArchive)}}));
    EXPECT_TRUE(Run({"bin", "list"}).out.contains("\\A\\F\n"));
    EXPECT_EQ(Run({"bin", "where"}).out, "\\~Recycle\n");

    // A restore over an existing file asks; without an answer it fails and keeps the row.
    device().Make({"\\A\\a.txt=second"});
    const CliResult safe = Run({"bin", "restore", "0", "2"});
    EXPECT_TRUE(Reported(safe, FormatStr(IDS_FILE_EXISTS, "a.txt")));
    EXPECT_EQ(device().Read("\\A\\F\\x.txt"), "x");  // the other row went ahead
    EXPECT_EQ(Run({"bin", "restore", "--yes", "0"}).code, 0);
    EXPECT_EQ(device().Read("\\A\\a.txt"), "first");
    EXPECT_EQ(Run({"bin", "restore", "5"}).code, 1);

    ASSERT_EQ(Run({"rm", "\\A\\a.txt"}).code, 0);
    EXPECT_EQ(Run({"bin", "erase", "1"}).code, 0);  // a.txt, put in after b.txt
    EXPECT_FALSE(device().Exists("\\~Recycle\\a.txt.nzc"));

    // Which entries a purge removes is a core rule; here it runs and succeeds.
    EXPECT_EQ(Run({"bin", "purge", "--force"}).code, 0);
    EXPECT_EQ(Run({"bin", "move", "Other Card"}).code, 1);
}

// find, dump, info and fav: one run each over the tools' engines, which are core tests.
class CliToolsTest : public CliCardTest {};

TEST_F(CliToolsTest, FindListsDeeperResultsFirstThenTheCount) {
    device().Make({"\\T\\top.txt=needle", "\\T\\S\\D\\low.txt=a needle", "\\T\\S\\other.txt=hay"});
    const CliResult all = Run({"find", "\\T", "*.txt"});
    EXPECT_EQ(all.code, 0);
    EXPECT_EQ(all.out, "\\T\\S\\D\\low.txt\n\\T\\S\\other.txt\n\\T\\top.txt\n" +
                           FormatStr(IDS_FILES_FOUND, 3) + "\n");
    const QJsonArray found = Json({"find", "--text", "Needle", "--json", "\\T", "*"});
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].toObject().value("size").toInteger(), 8);
    EXPECT_TRUE(Reported(Run({"find", "\\T\\Gone", "*"}),
                         FormatStr(IDS_FOLDER_NOT_FOUND, "\\T\\Gone")));
}

// The rows are the viewer's, tested in the core; here the page and mode options reach them.
TEST_F(CliToolsTest, DumpShowsTheViewersRows) {
    device().File("\\d.bin", QByteArray(200, 'A'));
    EXPECT_TRUE(Run({"dump", "\\d.bin"}).out.startsWith("00000  41 41 "));
    const QString second = Run({"dump", "--chars", "--page", "2", "\\d.bin"}).out;
    EXPECT_TRUE(second.startsWith("000B4  AAAAAAAAAAAAAAAAAA\n")) << second.toStdString();
    EXPECT_EQ(second.count('\n'), 10);
}

// The first command on a fresh device finds the standard folders; the defaults of a first
// start are written at its end (hidden, as favorites_list_test.cpp checks).
TEST_F(CliToolsTest, FavouritesAreSavedAsTheExplorerSavesThem) {
    EXPECT_EQ(Run({"fav", "add", "Docs", "\\My Documents"}).code, 0);
    const QJsonArray listed = Json({"fav", "list", "--json"});
    ASSERT_GE(listed.size(), 2);
    EXPECT_EQ(listed.last().toObject(),
              QJsonObject({{"name", "Docs"}, {"folder", "\\My Documents"}}));
    EXPECT_EQ(Run({"fav", "add", "Gone", "\\Gone"}).code, 1);
    EXPECT_EQ(Run({"fav", "rm", "99"}).code, 1);
    EXPECT_EQ(Run({"fav", "rm", QString::number(listed.size() - 1)}).code, 0);
}

TEST_F(CliToolsTest, InfoShowsMemoryStoreAndCards) {
    const CliResult result = Run({"info"});
    EXPECT_EQ(result.code, 0);
    EXPECT_TRUE(result.out.startsWith("應用程式\n  全部空間 : ")) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains("擴充記憶體 : Storage Card\n"));
    EXPECT_EQ(result.out.count(" 仟位元組\n"), 6);
}
