#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

// Tells when another program changed the folder on screen. Changes are gathered for a while
// before they are told, longer for large folders, so that a program writing many files costs
// one refresh and a folder of 100,000 entries is not re-read for every file.
class FolderWatcher : public QObject {
    Q_OBJECT
public:
    explicit FolderWatcher(QObject* parent = nullptr);

    // Watches one host folder (none for an empty path) holding about rowCount entries.
    void Watch(const QString& hostPath, int rowCount);
    // The wait after a change, by the folder's size.
    static int DelayMs(int rowCount);

signals:
    void changed();

private:
    QFileSystemWatcher watcher_;
    QTimer timer_;
};
