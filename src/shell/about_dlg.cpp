#include "shell/about_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/ids.h"
#include "shell/nuvio_icon.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QString::number(IDD_ABOUT));
    setWindowTitle(tr("關於 File Explorer"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* row = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(NuvioIcon(QStringLiteral("nuvio-app")).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    row->addWidget(icon);
    auto* text = new QVBoxLayout;
    // The lines wrap rather than widen the dialog past a 240-pixel screen.
    for (const QString& line : {tr("Nuvio File Explorer 2.50 中文版"),
                                tr("給掌上型裝置使用的檔案總管")}) {
        auto* label = new QLabel(line, this);
        label->setWordWrap(true);
        text->addWidget(label);
    }
    row->addLayout(text, 1);
    layout->addLayout(row);
    auto* close = new QPushButton(tr("繼續"), this);
    close->setObjectName(QString::number(IDOK));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignHCenter);
}
