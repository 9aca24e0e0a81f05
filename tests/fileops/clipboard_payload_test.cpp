#include <gtest/gtest.h>

#include "fileops/clipboard_payload.h"
#include "support/qt_printers.h"
#include "support/utf16_bytes.h"

// Also selections beyond the old block size of 8 KiB.
TEST(ClipboardPayload, EncodesFolderAndNamesAsTerminatedUtf16) {
    const QByteArray data = EncodeClipboardPayload({"\\My Documents", {"a.txt", "b.txt"}});
    EXPECT_EQ(data, Utf16(QStringLiteral("\\My Documents+a.txt+b.txt+")) + QByteArray(2, '\0'));
    QStringList names;
    for (int i = 0; i < 2000; ++i)
        names.append(QStringLiteral("file name %1.txt").arg(i));
    for (const QStringList& list : {QStringList{"a.txt", "b.txt"}, names}) {
        const auto back = DecodeClipboardPayload(EncodeClipboardPayload({"\\My Documents", list}));
        ASSERT_TRUE(back);
        EXPECT_EQ(back->folder, "\\My Documents");
        EXPECT_EQ(back->names, list);
    }
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
