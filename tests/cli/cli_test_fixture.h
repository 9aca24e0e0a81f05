#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QJsonArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/settings_store.h"
#include "support/temp_device.h"

struct CliResult {
    int code = -1;
    QString out;
    QString err;
};

// Runs the nuvio program on a temporary device, with its own settings and data folders so
// that no run touches the user's.
class CliTest : public ::testing::Test {
protected:
    explicit CliTest(const QStringList& cards = {});

    TempDevice& device() { return *device_; }
    // nuvio --root ... [--card ...] arguments; input is written to its standard input.
    CliResult Run(const QStringList& arguments, const QByteArray& input = QByteArray());
    // The rows a --json run printed; the run must succeed.
    QJsonArray Json(const QStringList& arguments);
    // The explorer's settings store that the runs read and write.
    std::unique_ptr<SettingsStore> Settings() const;
    quint32 Attributes(const QString& path);

private:
    QTemporaryDir home_;
    QStringList cards_;
    std::unique_ptr<TempDevice> device_;
};

// One storage card, "Storage Card".
class CliCardTest : public CliTest {
protected:
    CliCardTest() : CliTest({QStringLiteral("Storage Card")}) {}
};

// True when the run failed (exit status 1) and standard error holds the program's message
// (trailing spaces aside).
::testing::AssertionResult Reported(const CliResult& result, const QString& message);
