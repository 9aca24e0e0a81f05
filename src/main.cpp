#include <QApplication>
#include <QLocale>
#include <cstdio>

#include "app/interface_language.h"
#include "shell/explorer_app.h"

namespace {

constexpr char kUsage[] =
    "usage: nuvio-explorer [--root DIR] [--card NAME=DIR]... [PATH]\n"
    "       nuvio-explorer --screenshot FILE.png [--size WxH] [--dialog ID] [--view MODE]\n"
    "                      [--check N] [PATH]\n"
    "A file manager for handheld touch devices. PATH is the folder (or file) to show: a\n"
    "device path such as '\\My Documents', or a host path or file:// URI inside one of the\n"
    "device's volumes. A second start hands PATH to the explorer already running.\n"
    "\n"
    "  --root DIR             a host folder as the device's root instead of the default\n"
    "                         device; each device keeps its own settings and bin\n"
    "  --card NAME=DIR        a host folder as the storage card \\NAME (repeatable);\n"
    "                         without it, removable media appear as cards\n"
    "  --screenshot FILE.png  render the main window offscreen into a PNG and exit\n"
    "  --size WxH             the size of that picture\n"
    "  --dialog ID            a dialog instead of the main window\n"
    "  --view MODE            the list in that view: icons, small, list or details\n"
    "  --check N              the list in the check mode with N rows checked\n"
    "  --help                 print this text and exit\n"
    "  --version              print the version and exit\n";

}  // namespace

int main(int argc, char** argv) {
    // Answered before any window system is needed.
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--help") == 0 || qstrcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (qstrcmp(argv[i], "--version") == 0) {
            std::puts("nuvio-explorer " NUVIO_VERSION);
            return 0;
        }
    }
    // Without a display the window can still be rendered to a picture.
    bool screenshot = false;
    for (int i = 1; i < argc; ++i)
        screenshot |= qstrcmp(argv[i], "--screenshot") == 0;
    if (screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("nuvio-explorer"));
    QApplication::setApplicationVersion(QStringLiteral(NUVIO_VERSION));
    // Wayland shells match the windows to the desktop entry by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.nuvio.FileExplorer"));
    InstallInterfaceTranslations(app, ChooseInterfaceLanguage(QLocale::system()));
    CExplorerApp explorer;
    return explorer.Run(QApplication::arguments().mid(1));
}
