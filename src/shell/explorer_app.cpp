#include "shell/explorer_app.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QInputMethod>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

#include "app/clock.h"
#include "app/device_options.h"
#include "app/settings_store.h"
#include "app/wait_cursor.h"
#include "browse/folder_tree.h"
#include "platform/desktop_shell_services.h"
#include "platform/host_device_fs.h"
#include "recycle/file_doc.h"
#include "resources/ids.h"
#include "shell/command_line.h"
#include "shell/file_doc_adapter.h"
#include "shell/main_frame.h"
#include "shell/qt_user_prompt.h"
#include "shell/screenshot_dialog.h"
#include "shell/single_instance.h"
#include "shell/standalone_document.h"

CExplorerApp* CExplorerApp::instance_ = nullptr;

namespace {

int Fail(const QString& text) {
    QTextStream(stderr) << "nuvio-explorer: " << text << '\n';
    return 2;
}

// Lets queued calls and layouts settle before a window is rendered.
void Settle() {
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

}  // namespace

CMainFrame* GetMainFrame() {
    CExplorerApp* app = CExplorerApp::Get();
    return app ? app->mainFrame() : nullptr;
}

CExplorerApp::CExplorerApp() {
    instance_ = this;
}

CExplorerApp::~CExplorerApp() {
    // The window and the document save their settings before the store closes.
    frame_.reset();
    document_.reset();
    fileDoc_.reset();
    SetWaitCursorHooks(nullptr, nullptr);
    instance_ = nullptr;
}

bool CExplorerApp::ParseArguments(const QStringList& arguments) {
    QStringList words;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (arg == QLatin1String("--screenshot") && hasValue) {
            screenshotFile_ = arguments[++i];
        } else if (arg == QLatin1String("--size") && hasValue) {
            static const QRegularExpression kSize(QStringLiteral("^(\\d{2,5})x(\\d{2,5})$"));
            const auto match = kSize.match(arguments[++i]);
            if (!match.hasMatch()) {
                error_ = QStringLiteral("--size takes WxH");
                return false;
            }
            screenshotSize_ = QSize(match.captured(1).toInt(), match.captured(2).toInt());
        } else if (arg == QLatin1String("--dialog") && hasValue) {
            dialogId_ = arguments[++i].toInt();
        } else if (hasValue && scene_.Parse(arg, arguments[i + 1])) {
            ++i;
            if (!scene_.error.isEmpty()) {
                error_ = scene_.error;
                return false;
            }
        } else {
            words.append(arg);
        }
    }
    // The rest is the command line, as one text.
    commandLine_ = words.join(QLatin1Char(' '));
    return true;
}

void CExplorerApp::InstallHooks() {
    SetWaitCursorHooks([] { QApplication::setOverrideCursor(Qt::WaitCursor); },
                       [] { QApplication::restoreOverrideCursor(); });
    shell_->SetInputPanelHook([](bool on) {
        QInputMethod* panel = QGuiApplication::inputMethod();
        if (!panel) return;
        if (on) {
            panel->show();
        } else {
            panel->hide();
        }
    });
}

int CExplorerApp::Run(const QStringList& arguments) {
    DeviceOptions device = ParseDeviceOptions(arguments);
    if (!device.error.isEmpty()) return Fail(device.error);
    if (!ParseArguments(device.rest)) return Fail(error_);
    const bool screenshot = !screenshotFile_.isEmpty();

    if (screenshot) {
        // A picture changes nothing of the user's: it works on a copy of the settings.
        scratch_ = std::make_unique<QTemporaryDir>();
        const QString copy = scratch_->filePath(QStringLiteral("settings.ini"));
        QFile::copy(OpenDeviceSettings(device)->FileName(), copy);
        settings_ = SettingsStore::FromFile(copy);
    } else {
        settings_ = OpenDeviceSettings(device);
    }
    SeedDefaultDevice(device);
    fs_ = std::make_unique<HostDeviceFs>(device.config);

    if (!screenshot) {
        instance_guard_ = std::make_unique<SingleInstance>(device.config.rootDir);
        if (instance_guard_->HandOver(commandLine_)) return 0;
        instance_guard_->Listen();
    }
    const CommandLineResult command = HandleCommandLine(*fs_, *settings_, commandLine_, true);
    openEncryptedAtStart_ = command.handled && command.encrypted;

    shell_ = std::make_unique<DesktopShellServices>(*fs_);
    prompt_ = std::make_unique<QtUserPrompt>(!screenshot);
    InstallHooks();
    if (screenshot) {
        // Nor does it make a bin folder on the device.
        document_ = std::make_unique<StandaloneDocument>(
            *fs_, settings_->GetText(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_PATH));
    } else {
        clock_ = std::make_unique<Clock>();
        fileDoc_ = std::make_unique<CFileDoc>(*fs_, *settings_, *prompt_, *clock_, *shell_);
        fileDoc_->OnNewDocument();
        document_ = std::make_unique<FileDocAdapter>(*fileDoc_);
    }

    frame_ = std::make_unique<CMainFrame>(
        CMainFrame::Services{*fs_, *settings_, *prompt_, *shell_, *document_});
    prompt_->SetOwner(frame_.get());
    prompt_->SetDevice(fs_.get());
    prompt_->SetIconLookup(
        [frame = frame_.get()](const QString& name) { return frame->ListIcon(name); });
    if (screenshot) return Screenshot();

    QObject::connect(instance_guard_.get(), &SingleInstance::commandLineReceived, frame_.get(),
                     [this](const QString& text) { HandleSecondStart(text); });
    frame_->ShowOnScreen();
    frame_->raise();
    frame_->activateWindow();
    frame_->GetTreeView()->setFocus();
    if (openEncryptedAtStart_) frame_->PostMessage(FrameMessage::DecryptCommandFile);
    const int code = QApplication::exec();
    frame_.reset();
    return code;
}

void CExplorerApp::HandleSecondStart(const QString& commandLine) {
    if (!frame_) return;
    frame_->showNormal();
    frame_->raise();
    frame_->activateWindow();
    const CommandLineResult command = HandleCommandLine(*fs_, *settings_, commandLine, false);
    if (command.handled) frame_->PostMessage(FrameMessage::ShowCommandFile);
}

int CExplorerApp::Screenshot() {
    QWidget* target = frame_.get();
    std::unique_ptr<QWidget> dialog;
    // Dialogs size themselves to the window they belong to.
    frame_->setAttribute(Qt::WA_DontShowOnScreen);
    frame_->resize(screenshotSize_);
    SetUpScreenshotList(*frame_, scene_);
    if (dialogId_ != 0) {
        dialog = MakeScreenshotDialog(dialogId_, *frame_);
        if (!dialog) return Fail(QCoreApplication::translate("Cli", "沒有對話方塊 %1").arg(dialogId_));
        target = dialog.get();
    }
    frame_->show();
    frame_->GetTreeView()->setFocus();
    if (dialog) {
        dialog->setAttribute(Qt::WA_DontShowOnScreen);
        dialog->show();
    }
    Settle();
    // Quality 0 is the strongest compression of a PNG: pictures for the documentation.
    if (!target->grab().save(screenshotFile_, nullptr, 0)) {
        return Fail(QCoreApplication::translate("Cli", "無法寫入 %1").arg(screenshotFile_));
    }
    QTextStream(stdout) << screenshotFile_ << '\n';
    return 0;
}
