#include "cli/cli_test_fixture.h"

#include <unistd.h>

#include <QJsonDocument>
#include <QProcess>

#include "app/device_options.h"
#include "platform/device_fs.h"

CliTest::CliTest(const QStringList& cards)
    : cards_(cards), device_(std::make_unique<TempDevice>(cards)) {}

CliResult CliTest::Run(const QStringList& arguments, const QByteArray& input) {
    QStringList all = {QStringLiteral("--root"), device_->HostRoot()};
    for (const QString& card : cards_)
        all << QStringLiteral("--card") << card + QLatin1Char('=') + device_->CardHostDir(card);
    all += arguments;

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home_.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("TZ"), QStringLiteral("Asia/Taipei"));
    process.setProcessEnvironment(env);
    // Without a controlling terminal no password can be asked for.
    process.setChildProcessModifier([] { ::setsid(); });
    process.start(QStringLiteral(NUVIO_CLI_PATH), all);
    CliResult result;
    if (!process.waitForStarted(10000)) return result;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    if (process.exitStatus() == QProcess::NormalExit) result.code = process.exitCode();
    return result;
}

QJsonArray CliTest::Json(const QStringList& arguments) {
    const CliResult result = Run(arguments);
    EXPECT_EQ(result.code, 0) << result.err.toStdString();
    return QJsonDocument::fromJson(result.out.toUtf8()).array();
}

std::unique_ptr<SettingsStore> CliTest::Settings() const {
    return SettingsStore::FromFile(home_.filePath(
        QStringLiteral("config/%1/").arg(QLatin1String(SettingsStore::kOrganization)) +
        DeviceSettingsName(device_->HostRoot())));
}

quint32 CliTest::Attributes(const QString& path) {
    return device_->fs().GetAttributes(path).value_or(0xffffffffu);
}

::testing::AssertionResult Reported(const CliResult& result, const QString& message) {
    QString text = message;
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    if (result.code == 1 && result.err.contains(text)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "exit status " << result.code << ", standard error:\n"
                                         << result.err.toStdString() << "\nlacks:\n"
                                         << text.toStdString();
}
