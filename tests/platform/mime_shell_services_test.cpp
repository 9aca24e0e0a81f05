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

    QLocale saved;
    TempDevice device;
    MimeShellServices shell;
};

TEST_F(MimeShellServicesTest, FilesAreTypedByNameInTraditionalChineseAndFoldersAsFolders) {
    auto text = shell.GetFileType("\\Nowhere\\notes.TXT", std::nullopt);  // need not exist
    ASSERT_TRUE(text);
    EXPECT_EQ(text->typeText, QStringLiteral("純文字文件"));
    EXPECT_EQ(text->iconNames,
              QStringList({"text-plain", "text-x-generic", BuiltInIconName(IDI_FILE)}));
    // The caller's locale is left as it was.
    EXPECT_EQ(QLocale(), QLocale::c());
    EXPECT_EQ(shell.GetFileType("\\setup.exe", std::nullopt)->iconNames.last(),
              BuiltInIconName(IDI_PROGRAM));
    // The generic binary type counts as unknown.
    EXPECT_FALSE(shell.GetFileType("\\a.nuvio-no-such-type", std::nullopt));

    // Folders and cards are folders, whatever their names say.
    device.Make({"\\Notes.txt\\"});
    auto folder = shell.GetFileType("\\Notes.txt", std::nullopt);
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->typeText, QStringLiteral("資料夾"));
    EXPECT_EQ(folder->iconNames.last(), BuiltInIconName(IDI_FOLDER));

    auto card = shell.GetFileType("\\Storage Card", Attr::kDirectory | Attr::kTemporary);
    ASSERT_TRUE(card);
    EXPECT_EQ(card->typeText, folder->typeText);
    EXPECT_EQ(card->iconNames.first(), QStringLiteral("drive-removable-media"));
    EXPECT_EQ(shell.GetFileType("\\Storage Card", std::nullopt)->iconNames, card->iconNames);
}

}  // namespace
