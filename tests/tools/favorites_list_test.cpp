#include <gtest/gtest.h>

#include "app/load_str.h"
#include "resources/ids.h"
#include "support/faulty_device_fs.h"
#include "support/temp_device.h"
#include "tools/favorites_file.h"
#include "tools/favorites_list.h"

namespace {

const QString kProgram = QStringLiteral("\\Program Files\\Nuvio File Explorer");
const QString kFile = kProgram + QStringLiteral("\\ngoto.got");

const QList<FavoriteEntry> kThree = {
    {QStringLiteral("Docs"), QStringLiteral("\\My Documents")},
    {QStringLiteral("卡"), QStringLiteral("\\Storage Card")},
    {QStringLiteral("Temp"), QStringLiteral("\\Temp")},
};

QList<FavoriteEntry> LoadFrom(DeviceFs& fs) {
    FavoritesList list(fs);
    list.LoadFavorites();
    EXPECT_FALSE(list.IsDirty());
    return list.Entries();
}

}  // namespace

TEST(FavoritesList, FirstStartTakesTheDefaultsAndWritesThemHidden) {
    TempDevice d;
    FavoritesList list(d.fs());
    list.LoadFavorites();
    const FavoriteEntry myDocuments{LoadStr(IDS_MY_DOCUMENTS), QStringLiteral("\\My Documents")};
    EXPECT_EQ(list.Entries(), QList<FavoriteEntry>{myDocuments});
    EXPECT_TRUE(list.IsDirty());
    EXPECT_TRUE(d.Exists("\\My Documents"));

    ASSERT_TRUE(list.SaveFavorites());
    EXPECT_FALSE(list.IsDirty());
    EXPECT_TRUE(d.fs().GetAttributes(kFile).value_or(0) & Attr::kHidden);
    EXPECT_EQ(LoadFrom(d.fs()), list.Entries());

    // A save whose data never reached the disk says so, and the file stays as it was.
    FaultyDeviceFs faulty(d.fs());
    faulty.FailWhen(
        [](FaultyDeviceFs::Op op, const QString&) { return op == FaultyDeviceFs::Op::Flush; });
    FavoritesList failing(faulty);
    failing.LoadFavorites();
    ASSERT_TRUE(failing.AddFavorite(QStringLiteral("x"), QStringLiteral("\\")));
    EXPECT_FALSE(failing.SaveFavorites());
    EXPECT_EQ(LoadFrom(d.fs()), list.Entries());
}

// An unreadable file loads as an empty list, and an emptied list is not saved: neither may
// overwrite the favourites on the device.
TEST(FavoritesList, AnEmptyListNeverOverwritesTheFile) {
    const QByteArray good = *EncodeFavorites(kThree);
    QByteArray bad = good;
    bad[42] = char(0xff);  // a name length running past the end
    for (const QByteArray& file : {bad, good}) {
        TempDevice d;
        d.File(kFile, file);
        FavoritesList list(d.fs());
        list.LoadFavorites();
        while (list.Count() > 0)
            list.DeleteFavorite(0);
        EXPECT_TRUE(list.SaveFavorites());
        EXPECT_EQ(d.Read(kFile), file);
    }
}

TEST(FavoritesList, EditOperationsFollowTheDialogsRules) {
    TempDevice d;
    FavoritesList list(d.fs());
    ASSERT_TRUE(list.ReplaceFavorites(kThree));
    list.SetDirty(false);

    // A change of letter case only is no rename.
    EXPECT_FALSE(list.RenameFavorite(0, QStringLiteral("DOCS")));
    EXPECT_FALSE(list.IsDirty());
    EXPECT_TRUE(list.RenameFavorite(0, QStringLiteral("文件")));
    EXPECT_TRUE(list.IsDirty());
    EXPECT_FALSE(list.RenameFavorite(3, QStringLiteral("x")));

    EXPECT_FALSE(list.MoveFavoriteUp(0));
    EXPECT_FALSE(list.MoveFavoriteDown(2));
    EXPECT_TRUE(list.MoveFavoriteDown(0));
    EXPECT_TRUE(list.MoveFavoriteUp(2));
    EXPECT_EQ(list.GetFavorite(2)->name, QStringLiteral("文件"));

    // Deleting the last row makes the one above it current; the only row leaves none.
    EXPECT_EQ(list.DeleteFavorite(2), 1);
    EXPECT_EQ(list.DeleteFavorite(0), 0);
    EXPECT_EQ(list.DeleteFavorite(0), -1);
    // Nothing is read past either end.
    EXPECT_FALSE(list.GetFavorite(0));
    EXPECT_FALSE(list.GetFavorite(-1));
}

TEST(FavoritesList, HoldsAtMostAHundredStorableFavorites) {
    TempDevice d;
    FavoritesList list(d.fs());
    for (int i = 0; i < FavoritesList::kMaxFavorites; ++i) {
        // Empty and repeated names are taken as they stand.
        ASSERT_TRUE(list.AddFavorite(i % 2 ? QString() : QStringLiteral("x"), "\\"));
    }
    EXPECT_TRUE(list.IsFull());
    EXPECT_FALSE(list.AddFavorite(QStringLiteral("y"), "\\"));
    EXPECT_EQ(list.Count(), FavoritesList::kMaxFavorites);

    FavoritesList other(d.fs());
    EXPECT_FALSE(other.AddFavorite(QString(260, QLatin1Char('n')), "\\"));
    EXPECT_FALSE(other.ReplaceFavorites({{QStringLiteral("a"), QString(300, QLatin1Char('f'))}}));
    EXPECT_EQ(other.Count(), 0);
    EXPECT_FALSE(other.IsDirty());
}
