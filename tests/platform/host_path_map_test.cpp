#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QUrl>

#include "platform/host_path_map.h"
#include "support/temp_device.h"

// Host paths and URIs of desktop programs onto the device: the innermost volume wins, and
// what lies outside every volume (or is no host path) maps to nothing.
TEST(HostPathMap, MapsPathsAndUrisInsideVolumesOnly) {
    TempDevice d({"Card"});
    d.Make({"\\My Documents\\a b#.txt=1"});
    const QString root = d.HostRoot();
    const QString card = d.CardHostDir("Card");
    ASSERT_TRUE(QFile::link(root, d.BaseDir() + "/alias"));
    const QString url = QUrl::fromLocalFile(root + "/My Documents/a b#.txt").toString();
    const struct {
        QString argument;
        QString device;  // empty: no device path
    } cases[] = {
        {root, "\\"},
        {root + "/My Documents/a b#.txt", "\\My Documents\\a b#.txt"},
        {url, "\\My Documents\\a b#.txt"},
        {root + "/My Documents/../new.txt", "\\new.txt"},  // not there yet: still maps
        {card + "/x/y", "\\Card\\x\\y"},
        {d.BaseDir() + "/alias/My Documents", "\\My Documents"},
        {d.BaseDir() + "/elsewhere", ""},
        {"\\My Documents", ""},
        {"relative/path", ""},
        {"file://otherhost" + root, ""},
        {"https://example.org/a.txt", ""},
    };
    for (const auto& c : cases) {
        const auto device = DevicePathOfHost(d.fs(), HostPathOfArgument(c.argument));
        EXPECT_EQ(device.value_or(QString()), c.device) << c.argument.toStdString();
    }
}
