#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include "app/progress.h"

class QProgressDialog;
class QWidget;

// The window of long work: nothing for the first second, then a progress dialog with a
// Cancel button that keeps repainting while the work runs on the user-interface thread.
class CProgressWindow : public Progress {
public:
    CProgressWindow(QWidget* owner, const QString& title);
    ~CProgressWindow() override;

    bool Update(const ProgressState& state) override;

private:
    QPointer<QWidget> owner_;
    QString title_;
    QElapsedTimer started_;
    QElapsedTimer lastPaint_;
    QProgressDialog* dialog_ = nullptr;
    bool cancelled_ = false;
};
