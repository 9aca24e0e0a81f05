#include "shell/main_frame.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/load_str.h"
#include "resources/ids.h"

CMainFrame::CMainFrame(DeviceFs& fs, QWidget* parent) : QMainWindow(parent), fs_(fs) {
    // The title carries "NUVIO File Explorer": a second start looks for it.
    setWindowTitle(QStringLiteral("NUVIO File Explorer"));
    auto* label = new QLabel(LoadStr(IDS_APP_TITLE), this);
    label->setAlignment(Qt::AlignCenter);
    setCentralWidget(label);
}
