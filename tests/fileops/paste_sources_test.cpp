#include <gtest/gtest.h>
#include <QMimeData>
#include <QUrl>

#include "fileops/clipboard_payload.h"
#include "fileops/paste_sources.h"
#include "support/temp_device.h"
#include "support/utf16_bytes.h"

static const QString kOwn = QStringLiteral("NuvioCopyFile");

// What other file managers put on the clipboard, and our own list.
TEST(PasteSources, ReadsEachFormatWithItsCutMarker) {
    TempDevice d;
    const QString inside = QUrl::fromLocalFile(d.HostRoot() + "/My Documents/a.txt").toString();
    const QString outside = QUrl::fromLocalFile(d.BaseDir() + "/out.txt").toString();
    const QByteArray uris = (inside + "\r\n" + outside + "\r\n").toUtf8();
    const QByteArray ownList = EncodeClipboardPayload({"\\C++", {"x.txt"}});  // splits at "+"
    const struct {
        QList<QPair<QString, QByteArray>> formats;
        QStringList paths;  // outside ones start with "/"
        bool cut;
    } cases[] = {
        {{{"x-special/gnome-copied-files", ("cut\n" + inside + "\n" + outside).toUtf8()}},
         {"\\My Documents\\a.txt", d.BaseDir() + "/out.txt"}, true},
        {{{"x-special/gnome-copied-files", ("copy\n" + inside).toUtf8()}},
         {"\\My Documents\\a.txt"}, false},
        {{{"text/uri-list", uris}, {"application/x-kde-cutselection", "1"}},
         {"\\My Documents\\a.txt", d.BaseDir() + "/out.txt"}, true},
        {{{"text/uri-list", uris}}, {"\\My Documents\\a.txt", d.BaseDir() + "/out.txt"}, false},
        // Exact items that describe another list than ours: it splits as it always did; those
        // of our very list keep a "+" in a folder or a name.
        {{{kOwn, ownList}, {kExactItemsFormat, EncodeExactItems("\\D", {"x.txt"})}},
         {"\\C\\x.txt"}, false},
        {{{kOwn, ownList}, {kExactItemsFormat, EncodeExactItems("\\C++", {"x.txt"})}},
         {"\\C++\\x.txt"}, false},
        {{{kOwn, EncodeClipboardPayload({"\\S", {"a+b.txt"}})},
          {kExactItemsFormat, EncodeExactItems("\\S", {"a+b.txt"})}},
         {"\\S\\a+b.txt"}, false},
    };
    for (const auto& c : cases) {
        QMimeData data;
        for (const auto& [format, bytes] : c.formats)
            data.setData(format, bytes);
        const auto sources = ReadPasteSources(data, kOwn, d.fs());
        ASSERT_TRUE(sources) << c.formats.first().first.toStdString();
        QStringList paths;
        for (const PasteSource& s : sources->items) {
            EXPECT_EQ(s.outside, s.path.startsWith('/')) << s.path.toStdString();
            paths.append(s.path);
        }
        EXPECT_EQ(paths, c.paths);
        EXPECT_EQ(sources->cut, c.cut) << c.formats.first().first.toStdString();
    }
    QMimeData remote;
    remote.setUrls({QUrl("https://example.org/a.txt")});
    EXPECT_FALSE(ReadPasteSources(remote, kOwn, d.fs()));
}

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
