#include <QMenu>

#include "app/settings_store.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "tools/favorites_list.h"

namespace {

class AddressBarTest : public FrameTest {
protected:
    CAddressBar& bar() { return *frame().GetAddressBar(); }

    void Choose(int index) {
        bar().combo()->setCurrentIndex(index);
        emit bar().combo()->activated(index);
        Settle();
    }

    static QString Folder(int n) { return QStringLiteral("\\F%1").arg(n); }
};

TEST_F(AddressBarTest, KeepsTheTenNewestFoldersWithoutDuplicates) {
    for (int n = 1; n <= 11; ++n)
        device.Folder(Folder(n));
    Open();
    for (int n = 1; n <= 11; ++n)
        ASSERT_TRUE(frame().SetCurrentFolder(Folder(n), true));
    QStringList history = bar().History();
    ASSERT_EQ(history.size(), 10);
    EXPECT_EQ(history.first(), Folder(11));
    EXPECT_FALSE(history.contains(Folder(1)));
    EXPECT_FALSE(history.contains(QStringLiteral("\\My Documents")));

    // The third entry, visited again, moves to the top once.
    ASSERT_EQ(history[2], Folder(9));
    frame().SetCurrentFolder(QStringLiteral("\\f9"), true);
    history = bar().History();
    EXPECT_EQ(history.size(), 10);
    EXPECT_EQ(history.mid(0, 3), QStringList({"\\f9", Folder(11), Folder(10)}));
    EXPECT_EQ(bar().combo()->currentIndex(), 0);
    EXPECT_FALSE(bar().listBusy());
}

TEST_F(AddressBarTest, ChoosingAnEntryShowsItsFolderAndKeepsTheOrder) {
    device.Make({"\\A\\", "\\B\\", "\\C\\"});
    Open();
    for (const char* folder : {"\\A", "\\B", "\\C"})
        frame().SetCurrentFolder(QString::fromLatin1(folder), true);
    const QStringList before = bar().History();
    ASSERT_EQ(before.mid(0, 3), QStringList({"\\C", "\\B", "\\A"}));

    Choose(2);
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\A"));
    EXPECT_EQ(tree().GetSelectedText(), QStringLiteral("A"));
    EXPECT_EQ(bar().History(), before);
    EXPECT_FALSE(bar().listBusy());
    EXPECT_TRUE(list().HasFocusInside());

    // The next change made elsewhere puts its folder on top again.
    frame().SetCurrentFolder(QStringLiteral("\\B"), true);
    EXPECT_EQ(bar().History().mid(0, 3), QStringList({"\\B", "\\C", "\\A"}));
}

TEST_F(AddressBarTest, AFavouriteWhoseFolderWentAwayIsReported) {
    device.Folder(QStringLiteral("\\Gone"));
    Open();
    document->favorites().AddFavorite(QStringLiteral("Gone"), QStringLiteral("\\Gone"));
    ASSERT_TRUE(device.fs().RemoveDirectory(QStringLiteral("\\Gone")));
    EXPECT_TRUE(frame().OnCommand(ID_FAVORITE_FIRST));
    ASSERT_EQ(prompt.messages.size(), 1);
    EXPECT_EQ(prompt.messages[0].textId, IDS_FOLDER_NOT_FOUND);
    EXPECT_EQ(prompt.messages[0].text, QStringLiteral("找不到資料匣 \"\\Gone\" !"));
    EXPECT_EQ(prompt.messages[0].style, MB_ICONSTOP);
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\My Documents"));
    // No favourite at that position: nothing at all.
    frame().OnCommand(ID_FAVORITE_FIRST + 5);
    EXPECT_EQ(prompt.messages.size(), 1);
}

}  // namespace
