#include <QJsonObject>

#include "app/message.h"
#include "cli/cli_test_fixture.h"
#include "resources/ids.h"

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
    const CliResult none = Run({"find", "\\T\\Gone", "*"});
    EXPECT_EQ(none.code, 1);
    EXPECT_TRUE(Reported(none.err, FormatStr(IDS_FOLDER_NOT_FOUND, "\\T\\Gone")));
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
