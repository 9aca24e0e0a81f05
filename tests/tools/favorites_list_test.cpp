#include <gtest/gtest.h>

#include "app/load_str.h"
#include "resources/ids.h"
#include "support/faulty_device_fs.h"
#include "support/temp_device.h"
#include "support/utf16_bytes.h"
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

void PutText(QByteArray& out, const QString& text) {
    out += Utf16(text) + QByteArray(2, '\0');
}

// "NF0" in UTF-16LE with its NUL, the count, 32 reserved bytes.
QByteArray Header(quint16 count) {
    return QByteArray::fromHex("4e00460030000000") + Le16(count) + QByteArray(32, '\0');
}

// A file as the format describes it, built byte by byte.
QByteArray HandBuiltFile() {
    QByteArray out = Header(2);
    out += Le16(10);
    PutText(out, QStringLiteral("Docs"));
    out += Le16(28);
    PutText(out, QStringLiteral("\\My Documents"));
    out += Le16(6);
    PutText(out, QStringLiteral("程式"));
    out += Le16(58);
    PutText(out, QStringLiteral("\\Windows\\Start Menu\\Programs"));
    return out;
}

const QList<FavoriteEntry> kTwo = {
    {QStringLiteral("Docs"), QStringLiteral("\\My Documents")},
    {QStringLiteral("程式"), QStringLiteral("\\Windows\\Start Menu\\Programs")},
};

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

TEST(FavoritesFile, RoundTripIsByteExact) {
    const QByteArray file = HandBuiltFile();
    ASSERT_EQ(file.size(), 42 + 2 + 10 + 2 + 28 + 2 + 6 + 2 + 58);
    EXPECT_EQ(EncodeFavorites(kTwo), file);
    EXPECT_EQ(DecodeFavorites(file), kTwo);

    // An empty list is a bare header; bytes after the last record are not read.
    EXPECT_EQ(EncodeFavorites({}), Header(0));
    EXPECT_EQ(DecodeFavorites(Header(0)), QList<FavoriteEntry>{});
    EXPECT_EQ(DecodeFavorites(file + QByteArray("junk")), kTwo);
}

TEST(FavoritesFile, LongestFieldFitsTheReadersBuffer) {
    const QList<FavoriteEntry> longest = {{QString(259, QLatin1Char('n')), QStringLiteral("\\")}};
    const std::optional<QByteArray> file = EncodeFavorites(longest);
    ASSERT_TRUE(file);
    EXPECT_EQ(quint8((*file)[42]) | quint8((*file)[43]) << 8, 520);
    EXPECT_EQ(DecodeFavorites(*file), longest);

    // What the reader would refuse is never written.
    EXPECT_FALSE(EncodeFavorites({{QString(260, QLatin1Char('n')), QStringLiteral("\\")}}));
    EXPECT_FALSE(EncodeFavorites({{QStringLiteral("a"), QString(260, QLatin1Char('f'))}}));
    EXPECT_FALSE(EncodeFavorites(
        {{QStringLiteral("a") + QChar(0) + QStringLiteral("b"), QStringLiteral("\\")}}));
    EXPECT_FALSE(EncodeFavorites(QList<FavoriteEntry>(0x10000, kTwo[0])));
}

TEST(FavoritesFile, MalformedFilesAreRefused) {
    const QByteArray good = HandBuiltFile();
    // The good file with bytes changed; the first record's length is at 42 and 43.
    auto with = [&](std::initializer_list<std::pair<int, char>> bytes) {
        QByteArray f = good;
        for (const auto& [at, byte] : bytes)
            f[at] = byte;
        return f;
    };
    QByteArray overBuffer = Header(1);
    overBuffer += Le16(522);
    PutText(overBuffer, QString(260, QLatin1Char('n')));
    overBuffer += Le16(4);
    PutText(overBuffer, QStringLiteral("\\"));

    const std::pair<const char*, QByteArray> cases[] = {
        {"empty", QByteArray()},
        {"short header", good.left(41)},
        {"magic without its NUL", with({{6, 'X'}})},
        {"wrong magic", with({{4, '1'}})},
        {"more records counted than present", with({{8, 3}})},
        {"cut inside a length", good.left(good.size() - 58 - 1)},
        {"cut inside a text", good.left(good.size() - 1)},
        {"zero length", with({{42, 0}, {43, 0}})},
        {"odd length", with({{42, 9}, {43, 0}})},
        {"length past the end", with({{42, char(0xfe)}, {43, char(0xff)}})},
        {"length over the field buffer", overBuffer},
        {"no terminating NUL", with({{42 + 2 + 8, 'x'}})},
        {"NUL inside a text", with({{42 + 2 + 2, 0}, {42 + 2 + 3, 0}})},
    };
    for (const auto& [what, data] : cases)
        EXPECT_FALSE(DecodeFavorites(data)) << what;
}
