#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "app/load_str.h"
#include "app/message.h"
#include "cli/cli_test_fixture.h"
#include "platform/device_fs.h"
#include "resources/ids.h"
#include "tools/favorites_list.h"

// find, dump, info and fav over the tools' engines and the document's favourites.
class CliToolsTest : public CliTest {};

TEST_F(CliToolsTest, FindListsDeeperResultsFirstThenTheCount) {
    device().Make({"\\T\\top.txt=needle", "\\T\\S\\mid.txt=NEEDLE", "\\T\\S\\D\\low.txt=a needle",
                   "\\T\\S\\other.txt=hay", "\\T\\S\\found.txt\\"});
    const CliResult all = Run({"find", "\\T", "*.txt"});
    EXPECT_EQ(all.code, 0);
    const QStringList lines = all.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << all.out.toStdString();
    EXPECT_EQ(lines[0], "\\T\\S\\D\\low.txt");
    // One folder's files come in the device's order.
    EXPECT_EQ(QSet<QString>({lines[1], lines[2]}),
              QSet<QString>({"\\T\\S\\mid.txt", "\\T\\S\\other.txt"}));
    EXPECT_EQ(lines[3], "\\T\\top.txt");
    EXPECT_EQ(lines[4], FormatStr(IDS_FILES_FOUND, 4));
    const CliResult text = Run({"find", "--text", "Needle", "--json", "\\T", "*"});
    const QJsonArray found = QJsonDocument::fromJson(text.out.toUtf8()).array();
    ASSERT_EQ(found.size(), 3);
    EXPECT_EQ(found[0].toObject().value("path").toString(), "\\T\\S\\D\\low.txt");
    EXPECT_EQ(found[0].toObject().value("size").toInteger(), 8);

    const CliResult none = Run({"find", "\\T\\Gone", "*"});
    EXPECT_EQ(none.code, 1);
    EXPECT_TRUE(Reported(none.err, FormatStr(IDS_FOLDER_NOT_FOUND, "\\T\\Gone")));
}

TEST_F(CliToolsTest, DumpShowsTheViewersRows) {
    QByteArray bytes;
    for (int i = 0; i < 200; ++i)
        bytes.append(char('A' + i % 26));
    device().File("\\d.bin", bytes);
    const QStringList first = Run({"dump", "\\d.bin"}).out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(first.size(), 10);
    EXPECT_TRUE(first[0].startsWith("00000  41 42 43 "));
    EXPECT_TRUE(first[1].startsWith("00012  53 54 "));
    const QStringList second =
        Run({"dump", "--chars", "--page", "2", "\\d.bin"}).out.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(second.isEmpty());
    EXPECT_TRUE(second[0].startsWith("000B4  YZABCDEFGHIJKLMNOP")) << second[0].toStdString();
    // Past the end: the page that reaches it.
    EXPECT_EQ(Run({"dump", "--page", "9", "\\d.bin"}).out,
              Run({"dump", "--page", "2", "\\d.bin"}).out);

    const CliResult missing = Run({"dump", "\\none.bin"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(Reported(missing.err, LoadStr(IDS_CANNOT_OPEN_FILE)));
}

TEST_F(CliToolsTest, FavouritesAreSavedAsTheExplorerSavesThem) {
    device().Make({"\\Work\\"});
    const CliResult first = Run({"fav", "list", "--json"});
    EXPECT_EQ(first.code, 0);
    const QJsonArray defaults = QJsonDocument::fromJson(first.out.toUtf8()).array();
    ASSERT_FALSE(defaults.isEmpty());
    EXPECT_EQ(defaults[0].toObject().value("name").toString(), "My Documents");
    // The defaults of a first start are written at its end, hidden.
    const QString file = FavoritesList::FilePath(device().fs());
    EXPECT_TRUE(Attributes(file) & Attr::kHidden);

    EXPECT_EQ(Run({"fav", "add", "Work place", "\\Work"}).code, 0);
    const QJsonArray added =
        QJsonDocument::fromJson(Run({"fav", "list", "--json"}).out.toUtf8()).array();
    ASSERT_EQ(added.size(), defaults.size() + 1);
    EXPECT_EQ(added.last().toObject().value("name").toString(), "Work place");
    EXPECT_EQ(added.last().toObject().value("folder").toString(), "\\Work");

    const CliResult missing = Run({"fav", "add", "Gone", "\\Gone"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(Reported(missing.err, FormatStr(IDS_FOLDER_NOT_FOUND, "\\Gone")));
    EXPECT_EQ(Run({"fav", "rm", "99"}).code, 1);
    EXPECT_EQ(Run({"fav", "rm", QString::number(added.size() - 1)}).code, 0);
    EXPECT_EQ(QJsonDocument::fromJson(Run({"fav", "list", "--json"}).out.toUtf8()).array(),
              defaults);
}

class CliInfoTest : public CliCardTest {};

TEST_F(CliInfoTest, InfoShowsMemoryStoreAndCards) {
    const CliResult result = Run({"info"});
    EXPECT_EQ(result.code, 0);
    EXPECT_TRUE(result.out.startsWith("應用程式\n  全部空間 : ")) << result.out.toStdString();
    EXPECT_TRUE(result.out.contains("記憶體\n"));
    EXPECT_TRUE(result.out.contains("擴充記憶體 : Storage Card\n"));
    EXPECT_EQ(result.out.count(" 仟位元組\n"), 6);
}
