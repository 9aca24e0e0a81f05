#include "shell/progress_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProgressDialog>


namespace {

constexpr qint64 kShowAfterMs = 1000;
constexpr qint64 kRepaintEveryMs = 20;

// Byte counts reach beyond int; the bar shows per-mille.
int PerMille(quint64 done, quint64 total) {
    if (total == 0) return 0;
    return int(qMin<quint64>(1000, done * 1000 / total));
}

}  // namespace

CProgressWindow::CProgressWindow(QWidget* owner, const QString& title)
    : owner_(owner), title_(title) {
    started_.start();
    lastPaint_.start();
}

CProgressWindow::~CProgressWindow() {
    delete dialog_;
}

bool CProgressWindow::Update(const ProgressState& state) {
    if (cancelled_) return false;
    if (lastPaint_.elapsed() < kRepaintEveryMs) return true;
    lastPaint_.restart();
    if (!dialog_ && started_.elapsed() >= kShowAfterMs) {
        dialog_ = new QProgressDialog(owner_);
        dialog_->setWindowTitle(title_);
        dialog_->setCancelButtonText(QCoreApplication::translate("ProgressWindow", "取消"));
        dialog_->setRange(0, 1000);
        dialog_->setMinimumDuration(0);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
    }
    if (dialog_) {
        const quint64 done = state.totalBytes ? state.doneBytes : state.doneFiles;
        const quint64 total = state.totalBytes ? state.totalBytes : state.totalFiles;
        dialog_->setValue(PerMille(done, total));
        dialog_->setLabelText(state.currentPath);
        if (dialog_->wasCanceled()) cancelled_ = true;
    }
    QApplication::processEvents();
    if (dialog_ && dialog_->wasCanceled()) cancelled_ = true;
    return !cancelled_;
}
