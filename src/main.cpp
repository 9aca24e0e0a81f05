#include <QApplication>

#include "shell/explorer_app.h"

int main(int argc, char** argv) {
    // Without a display the window can still be rendered to a picture.
    bool screenshot = false;
    for (int i = 1; i < argc; ++i)
        screenshot |= qstrcmp(argv[i], "--screenshot") == 0;
    if (screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nuvio-explorer"));
    CExplorerApp explorer;
    return explorer.Run(QApplication::arguments().mid(1));
}
