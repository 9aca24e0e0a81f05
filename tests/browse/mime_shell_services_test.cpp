#include "platform/mime_shell_services.h"

#include <gtest/gtest.h>
#include <QLocale>

#include "resources/ids.h"
#include "support/qt_printers.h"
#include "support/temp_device.h"

namespace {

// Restores the process's default locale whatever a test does to it.
class MimeShellServicesTest : public ::testing::Test {
protected:
    MimeShellServicesTest() : device({QStringLiteral("Storage Card")}), shell(device.fs()) {
        QLocale::setDefault(QLocale::c());
    }
    ~MimeShellServicesTest() override { QLocale::setDefault(saved); }

    std::optional<FileTypeInfo> Type(const QString& path,
                                     std::optional<quint32> attributes = std::nullopt) {
        return shell.GetFileType(path, attributes);
    }

    QLocale saved;
    TempDevice device;
    MimeShellServices shell;
};

TEST_F(MimeShellServicesTest, FilesAreTypedByNameInTraditionalChinese) {
    auto text = Type("\\Nowhere\\notes.TXT");  // need not exist
    ASSERT_TRUE(text);
    EXPECT_EQ(text->typeText, QStringLiteral("純文字文件"));
    EXPECT_EQ(text->iconNames,
              QStringList({"text-plain", "text-x-generic", BuiltInIconName(IDI_FILE)}));
    // The caller's locale is left as it was.
    EXPECT_EQ(QLocale(), QLocale::c());

    auto program = Type("\\setup.exe");
    ASSERT_TRUE(program);
    EXPECT_EQ(program->iconNames.last(), BuiltInIconName(IDI_PROGRAM));
}

TEST_F(MimeShellServicesTest, TheGenericBinaryTypeCountsAsUnknown) {
    EXPECT_FALSE(Type("\\a.nuvio-no-such-type"));
    EXPECT_FALSE(Type("\\noextension-nor-known-name"));
}

TEST_F(MimeShellServicesTest, FoldersAndCardsAreFolders) {
    device.Make({"\\Notes.txt\\"});
    auto folder = Type("\\Notes.txt");
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->typeText, QStringLiteral("資料夾"));
    EXPECT_TRUE(folder->iconNames.contains(QStringLiteral("folder")));
    EXPECT_EQ(folder->iconNames.last(), BuiltInIconName(IDI_FOLDER));

    auto card = Type("\\Storage Card", Attr::kDirectory | Attr::kTemporary);
    ASSERT_TRUE(card);
    EXPECT_EQ(card->typeText, folder->typeText);
    EXPECT_EQ(card->iconNames.first(), QStringLiteral("drive-removable-media"));
    EXPECT_EQ(Type("\\Storage Card")->iconNames, card->iconNames);
}

}  // namespace
