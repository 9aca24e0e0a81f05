#include <gtest/gtest.h>

#include "support/qt_printers.h"
#include "support/utf16_bytes.h"
#include "tools/favorites_file.h"

namespace {

void PutText(QByteArray& out, const QString& text) {
    out += Utf16(text) + QByteArray(2, '\0');
}

QByteArray Header(quint16 count) {
    QByteArray out(
        "N\0F\0"
        "0\0\0\0",
        8);
    out += Le16(count);
    out.append(QByteArray(32, '\0'));
    return out;
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
