// Opens the main window on a folder offscreen and reports, in milliseconds, how long the
// list took until it had painted, and how long each page of scrolling took to paint.
#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/settings_store.h"
#include "app/user_prompt.h"
#include "browse/file_view.h"
#include "platform/desktop_shell_services.h"
#include "platform/host_device_fs.h"
#include "resources/ids.h"
#include "shell/main_frame.h"
#include "shell/standalone_document.h"

namespace {

class QuietPrompt : public UserPrompt {
public:
    MessageAnswer ShowMessageBox(const MessageRequest&) override { return MessageAnswer::Ok; }
    ConfirmAnswer Confirm(const ConfirmRequest&) override { return ConfirmAnswer::Cancel; }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        QTextStream(stderr) << "usage: nuvio-bench-ui ROOT FOLDER\n";
        return 2;
    }
    HostDeviceFs::Config config;
    config.rootDir = args[1];
    HostDeviceFs fs(config);
    QTemporaryDir dir;
    auto settings = SettingsStore::FromFile(dir.filePath("settings.ini"));
    QuietPrompt prompt;
    DesktopShellServices shell(fs);
    StandaloneDocument document(fs);
    CMainFrame frame(CMainFrame::Services{fs, *settings, prompt, shell, document});
    frame.resize(480, 640);
    frame.show();
    app.processEvents();

    QElapsedTimer timer;
    timer.start();
    frame.SetCurrentFolder(args[2], true);
    app.processEvents();
    frame.grab();  // paints every visible row
    const qint64 openMs = timer.elapsed();

    QAbstractItemView* view = frame.GetFileView()->ActiveView();
    QScrollBar* bar = view->verticalScrollBar();
    const int steps = 200;
    qint64 worstUs = 0;
    QElapsedTimer step;
    timer.restart();
    for (int i = 0; i < steps; ++i) {
        step.start();
        bar->setValue(bar->value() + bar->pageStep() * 3);
        view->viewport()->repaint();
        worstUs = std::max(worstUs, step.nsecsElapsed() / 1000);
    }
    QTextStream(stdout) << "open+paint " << openMs << " ms; scroll " << steps << " pages "
                        << timer.elapsed() << " ms, worst page " << worstUs / 1000.0 << " ms\n";
    return 0;
}
