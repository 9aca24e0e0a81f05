#pragma once

#include <QDateTime>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "platform/device_fs.h"
#include "platform/file_time.h"
#include "support/scripted_progress.h"

// A write time with an odd second and a fraction, which zip's two-second times round down.
inline const FileTime kOddTime =
    FileTimeFromDateTime(QDateTime(QDate(2021, 3, 4), QTime(5, 6, 7, 900), Qt::LocalTime));

inline FileTime WriteTime(DeviceFs& fs, const QString& path) {
    FileTime write = 0;
    fs.GetTimes(path, nullptr, nullptr, &write);
    return write;
}

inline FileTime FloorToEvenSecond(FileTime time) {
    return time - time % 20000000;
}

// Runs a host tool in a UTF-8 locale; false when it is not installed.
struct ToolRun {
    bool found = false;
    int exitCode = -1;
    QString output;
};

inline ToolRun RunTool(const QString& program, const QStringList& arguments,
                       const QString& workingDir = QString()) {
    ToolRun run;
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty()) return run;
    run.found = true;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("PYTHONIOENCODING"), QStringLiteral("utf-8"));
    process.setProcessEnvironment(env);
    if (!workingDir.isEmpty()) process.setWorkingDirectory(workingDir);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(path, arguments);
    process.waitForFinished(60000);
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = QString::fromUtf8(process.readAll());
    return run;
}
