#include <QApplication>
#include <QRegularExpression>
#include <QTextStream>
#include <cstdio>

#include "app/device_options.h"
#include "platform/host_device_fs.h"
#include "shell/main_frame.h"

namespace {

int Fail(const QString& text) {
    QTextStream(stderr) << "nuvio-explorer: " << text << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Without a display the window can still be rendered to a picture.
    bool screenshot = false;
    for (int i = 1; i < argc; ++i)
        screenshot |= qstrcmp(argv[i], "--screenshot") == 0;
    if (screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);

    DeviceOptions device = ParseDeviceOptions(app.arguments().mid(1));
    if (!device.error.isEmpty()) return Fail(device.error);

    QString screenshotFile;
    QSize size(480, 640);
    QStringList rest;
    for (int i = 0; i < device.rest.size(); ++i) {
        const QString& arg = device.rest[i];
        if (arg == QLatin1String("--screenshot") && i + 1 < device.rest.size()) {
            screenshotFile = device.rest[++i];
        } else if (arg == QLatin1String("--size") && i + 1 < device.rest.size()) {
            auto m = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(device.rest[++i]);
            if (!m.hasMatch()) return Fail(QStringLiteral("--size takes WxH"));
            size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        } else {
            rest.append(arg);
        }
    }

    HostDeviceFs fs(device.config);
    CMainFrame frame(fs);
    frame.resize(size);
    if (!screenshotFile.isEmpty()) {
        frame.setAttribute(Qt::WA_DontShowOnScreen);
        frame.show();
        app.processEvents();
        if (!frame.grab().save(screenshotFile)) {
            return Fail(QStringLiteral("cannot write %1").arg(screenshotFile));
        }
        QTextStream(stdout) << screenshotFile << '\n';
        return 0;
    }
    frame.show();
    return app.exec();
}
