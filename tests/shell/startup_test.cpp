#include <QClipboard>
#include <QLocalSocket>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>

#include "resources/ids.h"
#include "shell/command_line.h"
#include "shell/frame_fixture.h"
#include "shell/single_instance.h"

namespace {

class StartupTest : public FrameTest {
protected:
    QString Setting(int key) { return device.settings().GetText(IDS_SECTION_MAIN, key); }
    void SetSetting(int key, const QString& value) {
        device.settings().SetProfileTextById(IDS_SECTION_MAIN, key, value);
    }
};

// The bin is checked at each start, and an old one converted.
TEST_F(StartupTest, AVanishedWorkDirectoryFallsBackToMyDocumentsAndTheBinIsChecked) {
    device.Folder(QStringLiteral("\\Gone"));
    SetSetting(IDS_KEY_WORK_DIRECTORY, QStringLiteral("\\Gone"));
    ASSERT_TRUE(device.fs().RemoveDirectory(QStringLiteral("\\Gone")));
    Open();
    EXPECT_EQ(frame().GetCurrentFolder(), QStringLiteral("\\My Documents"));
    EXPECT_EQ(document->checkCount, 1);
    EXPECT_EQ(document->compressCount, 0);
    frame().SetCurrentFolder(QStringLiteral("\\Temp"), true);
    frame().close();
    EXPECT_EQ(Setting(IDS_KEY_WORK_DIRECTORY), QStringLiteral("\\Temp"));

    // Without even the documents folder, the root is shown.
    Close();
    ASSERT_TRUE(device.fs().RemoveDirectory(QStringLiteral("\\Temp")));
    ASSERT_TRUE(device.fs().RemoveDirectory(QStringLiteral("\\My Documents")));
    Open();
    EXPECT_TRUE(tree().IsRootSelected());
    Close();
    CountingDocument old(device.fs());
    old.indexIsCurrent = false;
    Show(old, QSize(480, 640));
    EXPECT_EQ(old.compressCount, 1);
    Close();  // before the document goes
}

TEST_F(StartupTest, CommandLinesNameAFolderOrAFileAndASecondStartShowsIt) {
    device.Make({"\\My Documents\\A B\\x y.enc=1", "\\Temp\\t.txt=t"});
    CommandLineResult r =
        HandleCommandLine(device.fs(), device.settings(),
                          QStringLiteral("\"\\My Documents\\A B\\x y.enc\" -d"), true);
    EXPECT_TRUE(r.handled);
    EXPECT_TRUE(r.encrypted);
    EXPECT_EQ(Setting(IDS_KEY_WORK_DIRECTORY), QStringLiteral("\\My Documents\\A B"));
    EXPECT_EQ(Setting(IDS_KEY_COMMAND_FILE), QStringLiteral("\\My Documents\\A B\\x y.enc"));

    HandleCommandLine(device.fs(), device.settings(), QStringLiteral("\\Temp\\"), true);
    EXPECT_EQ(Setting(IDS_KEY_WORK_DIRECTORY), QStringLiteral("\\Temp"));
    // A running instance's folder stays; a missing path changes nothing.
    r = HandleCommandLine(device.fs(), device.settings(), QStringLiteral("\\Temp\\t.txt"), false);
    EXPECT_FALSE(r.encrypted);
    EXPECT_EQ(Setting(IDS_KEY_WORK_DIRECTORY), QStringLiteral("\\Temp"));
    EXPECT_EQ(Setting(IDS_KEY_COMMAND_FILE), QStringLiteral("\\Temp\\t.txt"));
    EXPECT_FALSE(HandleCommandLine(device.fs(), device.settings(), "\\nothing", true).handled);
    EXPECT_EQ(Setting(IDS_KEY_COMMAND_FILE), QStringLiteral("\\Temp\\t.txt"));

    // A second start shows its folder, and selects and decrypts an encrypted file.
    device.Make({"\\Temp\\s.enc=s", "\\My Documents\\m.enc=m"});
    SetSetting(IDS_KEY_WORK_DIRECTORY, QStringLiteral("\\My Documents"));
    Open();
    int decrypts = 0;
    frame().commands().SetHandler(ID_FILE_DECRYPT, [&decrypts] { ++decrypts; });
    HandleCommandLine(device.fs(), device.settings(), QStringLiteral("\\Temp\\t.txt"), false);
    frame().PostMessage(FrameMessage::ShowCommandFile);
    Settle();
    EXPECT_EQ(tree().GetSelectedText(), QStringLiteral("Temp"));
    EXPECT_EQ(decrypts, 0);

    HandleCommandLine(device.fs(), device.settings(), QStringLiteral("\\Temp\\s.enc"), false);
    const QStringList history = frame().GetAddressBar()->History();
    frame().PostMessage(FrameMessage::ShowCommandFile);
    Settle();
    EXPECT_EQ(frame().GetAddressBar()->History(), history);
    EXPECT_EQ(decrypts, 1);
    ASSERT_EQ(list().SelectedCount(), 1);
    EXPECT_EQ(list().Item(list().GetFirstSelected())->name, QStringLiteral("s.enc"));

    // A file in another folder is not selected in this one.
    SetSetting(IDS_KEY_COMMAND_FILE, QStringLiteral("\\My Documents\\m.enc"));
    frame().PostMessage(FrameMessage::DecryptCommandFile);
    Settle();
    EXPECT_EQ(decrypts, 1);
}

TEST_F(StartupTest, LeavingAfterACutEmptiesTheClipboard) {
    Open();
    auto* data = new QMimeData;
    data->setData(CMainFrame::ClipboardFormat(), QByteArray("x"));
    QGuiApplication::clipboard()->setMimeData(data);
    EXPECT_TRUE(frame().OnCommand(ID_FILE_EXIT));
    const QMimeData* after = QGuiApplication::clipboard()->mimeData();
    EXPECT_FALSE(after && after->hasFormat(CMainFrame::ClipboardFormat()));

    // Someone else's clipboard content stays.
    Open();
    QGuiApplication::clipboard()->setText(QStringLiteral("keep"));
    Close();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("keep"));
}

TEST(SingleInstance, ASecondStartHandsOverItsCommandLine) {
    QTemporaryDir dir;
    SingleInstance first(QStringLiteral("device-a"), dir.path());
    SingleInstance second(QStringLiteral("device-a"), dir.path());
    SingleInstance other(QStringLiteral("device-b"), dir.path());
    EXPECT_FALSE(first.HandOver(QStringLiteral("nobody listens")));
    ASSERT_TRUE(first.Listen());
    EXPECT_EQ(QFileInfo(first.SocketPath()).permissions() &
                  (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup | QFile::WriteGroup),
              QFile::Permissions());
    QSignalSpy received(&first, &SingleInstance::commandLineReceived);
    EXPECT_TRUE(second.HandOver(QStringLiteral("\"\\My Documents\\中文.enc\"")));
    EXPECT_TRUE(received.wait(2000));
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received[0][0].toString(), QStringLiteral("\"\\My Documents\\中文.enc\""));
    // Another device is another instance.
    EXPECT_FALSE(other.HandOver(QStringLiteral("x")));

    // What a crash leaves, the socket's file with nobody listening, does not stop a start.
    ASSERT_TRUE(QFile(dir.path() + QLatin1Char('/') + SingleInstance::ServerName("k"))
                    .open(QIODevice::WriteOnly));
    SingleInstance next(QStringLiteral("k"), dir.path());
    EXPECT_FALSE(next.HandOver(QStringLiteral("x")));
    EXPECT_TRUE(next.Listen());

    // Oversized or truncated messages are dropped.
    received.clear();
    for (quint32 announced : {SingleInstance::kMaxMessageBytes + 1, quint32(100)}) {
        QLocalSocket socket;
        socket.connectToServer(first.SocketPath());
        ASSERT_TRUE(socket.waitForConnected(1000));
        QByteArray head(4, '\0');
        qToBigEndian<quint32>(announced, head.data());
        socket.write(head + QByteArray(64, 'x'));
        socket.flush();
        EXPECT_FALSE(received.wait(300)) << announced;
    }
}

}  // namespace
