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

TEST_F(AddressBarTest, KeepsTheTenNewestFoldersWithoutDuplicatesAndChoosingKeepsTheOrder) {
    for (int n = 1; n <= 11; ++n)
        device.Folder(Folder(n));
    Open();
    for (int n = 1; n <= 11; ++n)
        ASSERT_TRUE(frame().SetCurrentFolder(Folder(n), true));
    QStringList history = bar().History();
    ASSERT_EQ(history.size(), 10);
    EXPECT_EQ(history.first(), Folder(11));
    EXPECT_FALSE(history.contains(Folder(1)));

    // The third entry, visited again, moves to the top once.
    frame().SetCurrentFolder(QStringLiteral("\\f9"), true);
    history = bar().History();
    EXPECT_EQ(history.size(), 10);
    EXPECT_EQ(history.mid(0, 3), QStringList({"\\f9", Folder(11), Folder(10)}));

    // Choosing an entry shows its folder and leaves the order; a change made elsewhere puts
    // its folder on top again.
    Choose(2);
    EXPECT_EQ(frame().GetCurrentFolder(), Folder(10));
    EXPECT_EQ(bar().History(), history);
    EXPECT_TRUE(list().HasFocusInside());
    frame().SetCurrentFolder(Folder(11), true);
    EXPECT_EQ(bar().History().mid(0, 3), QStringList({Folder(11), "\\f9", Folder(10)}));
}

TEST_F(AddressBarTest, AFavouriteWhoseFolderWentAwayIsReported) {
    device.Folder(QStringLiteral("\\Gone"));
    Open();
    document->favorites().AddFavorite(QStringLiteral("Gone"), QStringLiteral("\\Gone"));
    ASSERT_TRUE(device.fs().RemoveDirectory(QStringLiteral("\\Gone")));
    EXPECT_TRUE(frame().OnCommand(ID_FAVORITE_FIRST));
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\My Documents"));
    // No favourite at that position: nothing at all.
    frame().OnCommand(ID_FAVORITE_FIRST + 5);
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_FOLDER_NOT_FOUND}));
    EXPECT_TRUE(prompt.messages[0].text.contains(QStringLiteral("\\Gone")));
}

}  // namespace
