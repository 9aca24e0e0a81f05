#include <QApplication>
#include <QLocale>
#include <cstdio>

#include "app/interface_language.h"
#include "shell/explorer_app.h"

namespace {

constexpr char kUsage[] = QT_TRANSLATE_NOOP(
    "Cli",
    "用法: nuvio-explorer [--root DIR] [--card NAME=DIR]... [PATH]\n"
    "      nuvio-explorer --screenshot FILE.png [--size WxH] [--dialog ID] [PATH]\n"
    "給掌上型裝置使用的檔案總管. PATH 是要顯示的資料匣 (或檔案): 裝置路徑如\n"
    "'\\My Documents', 或在裝置某個磁碟區內的主機路徑或 file:// URI. 第二次啟動時\n"
    "把 PATH 交給已在執行的檔案總管.\n"
    "\n"
    "  --root DIR             以主機的資料匣作為裝置的根目錄, 取代預設的裝置;\n"
    "                         每個裝置有自己的設定和資源回收筒\n"
    "  --card NAME=DIR        以主機的資料匣作為儲存卡 \\NAME (可重複);\n"
    "                         沒有指定時, 卸除式媒體會顯示為儲存卡\n"
    "  --screenshot FILE.png  在螢幕外繪製主視窗, 存成 PNG 後結束\n"
    "  --size WxH             圖片的大小\n"
    "  --dialog ID            繪製對話方塊而不是主視窗\n"
    "  --help                 顯示這段說明後結束\n"
    "  --version              顯示版本後結束\n");

}  // namespace

int main(int argc, char** argv) {
    // Answered before any window system is needed.
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--help") == 0 || qstrcmp(argv[i], "-h") == 0) {
            QCoreApplication app(argc, argv);
            InstallInterfaceTranslations(app, ChooseInterfaceLanguage(QLocale::system()));
            std::fputs(QCoreApplication::translate("Cli", kUsage).toUtf8().constData(), stdout);
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
