// Opens the main window on a folder offscreen and reports, in milliseconds, how long the
// list took until it had painted, and how long each page of scrolling took to paint.
// With --put PATH it puts that file into the bin behind the explorer's progress window
// instead: once cancelled after 1.5 s, then whole, and reports the longest time the window
// went without handling its events and how long the Cancel took to answer.
#include <QAbstractItemView>
#include <QApplication>
#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QProgressDialog>
#include <QScrollBar>
#include <QTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include "app/clock.h"
#include "app/progress.h"
#include "app/settings_store.h"
#include "app/user_prompt.h"
#include "browse/file_view.h"
#include "platform/desktop_shell_services.h"
#include "platform/host_device_fs.h"
#include "recycle/recycle_bin.h"
#include "resources/ids.h"
#include "shell/main_frame.h"
#include "shell/standalone_document.h"

namespace {

class QuietPrompt : public UserPrompt {
public:
    MessageAnswer ShowMessageBox(const MessageRequest&) override { return MessageAnswer::Ok; }
    ConfirmAnswer Confirm(const ConfirmRequest&) override { return ConfirmAnswer::Cancel; }
};

QByteArray HashOf(const QString& hostPath) {
    QFile file(hostPath);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) return QByteArray();
    return hash.result();
}

// The longest pause of the event loop while work runs on it, seen by a fast timer.
class LoopWatch {
public:
    LoopWatch() {
        since_.start();
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (last_.isValid() && last_.elapsed() > worst_) {
                worst_ = last_.elapsed();
                worstEnd_ = since_.elapsed();
            }
            last_.restart();
        });
        timer_.start(5);
    }
    qint64 WorstMs() const { return worst_; }
    // When the longest pause ended, from the start of the watch.
    qint64 WorstEndMs() const { return worstEnd_; }

private:
    QTimer timer_;
    QElapsedTimer since_;
    QElapsedTimer last_;
    qint64 worst_ = 0;
    qint64 worstEnd_ = 0;
};

int Put(CMainFrame& frame, HostDeviceFs& fs, SettingsStore& settings, UserPrompt& prompt,
        const QString& path) {
    Clock clock;
    RecycleBin bin(fs, settings, prompt, clock);
    bin.Open();
    const QByteArray before = HashOf(fs.HostPath(path));
    QTextStream out(stdout);

    // Cancelled once the window shows.
    QElapsedTimer cancelAt;
    QTimer::singleShot(1500, [&] {
        if (auto* dialog = frame.findChild<QProgressDialog*>()) {
            cancelAt.start();
            dialog->cancel();
        }
    });
    bool cancelled = false;
    qint64 answerMs = -1;
    qint64 worstCancelled = 0;
    {
        LoopWatch watch;
        std::unique_ptr<Progress> progress = frame.BeginProgress(QStringLiteral("delete"));
        cancelled = !bin.MoveToRecycleBin(path, progress.get()).has_value();
        if (cancelAt.isValid()) answerMs = cancelAt.elapsed();
        worstCancelled = watch.WorstMs();
    }
    const bool whole = HashOf(fs.HostPath(path)) == before && bin.entries().isEmpty();

    QElapsedTimer timer;
    timer.start();
    LoopWatch watch;
    std::unique_ptr<Progress> progress = frame.BeginProgress(QStringLiteral("delete"));
    const bool put = bin.MoveToRecycleBin(path, progress.get()).has_value();
    progress.reset();
    const qint64 putMs = timer.elapsed();
    bin.SaveSettings();
    bin.Close();
    out << "cancel answered in " << answerMs << " ms (" << (cancelled ? "stopped" : "NOT stopped")
        << ", file " << (whole ? "whole" : "DAMAGED") << ", longest pause " << worstCancelled
        << " ms); whole put " << putMs << " ms, longest pause " << watch.WorstMs()
        << " ms (ending at " << watch.WorstEndMs() << " ms)"
        << (put ? "" : " (FAILED)") << "\n";
    return cancelled && whole && put ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 && !(args.size() == 5 && args[3] == QLatin1String("--put"))) {
        QTextStream(stderr) << "usage: nuvio-bench-ui ROOT FOLDER [--put PATH]\n";
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
    if (args.size() == 5) {
        frame.SetCurrentFolder(args[2], true);
        settings->SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_POS, 0);
        return Put(frame, fs, *settings, prompt, args[4]);
    }

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
