#include <gtest/gtest.h>

#include "fileops/clipboard_payload.h"
#include "support/qt_printers.h"
#include "support/utf16_bytes.h"

TEST(ClipboardPayload, EncodesFolderAndNamesAsTerminatedUtf16) {
    const QByteArray data = EncodeClipboardPayload({"\\My Documents", {"a.txt", "b.txt"}});
    EXPECT_EQ(data, Utf16(QStringLiteral("\\My Documents+a.txt+b.txt+")) + QByteArray(2, '\0'));
    const auto back = DecodeClipboardPayload(data);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->folder, "\\My Documents");
    EXPECT_EQ(back->names, QStringList({"a.txt", "b.txt"}));
}

TEST(ClipboardPayload, DecodesTheWayPasteSplitsNames) {
    // A name holding "+" falls apart into two names; a tail without "+" and empty names go.
    auto payload = DecodeClipboardPayload(Utf16(QStringLiteral("\\A+x+y.txt++tail")));
    ASSERT_TRUE(payload);
    EXPECT_EQ(payload->folder, "\\A");
    EXPECT_EQ(payload->names, QStringList({"x", "y.txt"}));

    EXPECT_FALSE(DecodeClipboardPayload(Utf16(QStringLiteral("no separator"))));
    EXPECT_FALSE(DecodeClipboardPayload(QByteArray()));

    // The text ends at the first NUL; an odd trailing byte is no unit.
    payload = DecodeClipboardPayload(Utf16(QStringLiteral("\\B+c+")) + QByteArray(2, '\0') +
                                     Utf16(QStringLiteral("d+")) + QByteArray(1, 'x'));
    ASSERT_TRUE(payload);
    EXPECT_EQ(payload->names, QStringList({"c"}));
}

TEST(ClipboardPayload, CarriesSelectionsBeyondTheOldBlockSize) {
    QStringList names;
    for (int i = 0; i < 2000; ++i)
        names.append(QStringLiteral("file name %1.txt").arg(i));
    const QByteArray data = EncodeClipboardPayload({"\\My Documents", names});
    EXPECT_GT(data.size(), 8192);
    const auto back = DecodeClipboardPayload(data);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->names, names);
}
