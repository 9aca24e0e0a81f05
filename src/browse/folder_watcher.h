#pragma once

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

// Tells when another program changed one of the folders on screen (the list's and the tree's
// listed levels). Changes are gathered for a while before they are told, longer for large
// folders, so that a program writing many files costs one refresh and a folder of 100,000
// entries is not re-read for every file.
class FolderWatcher : public QObject {
    Q_OBJECT
public:
    // One folder to watch: its host path (none: not watched), its device path, and about how
    // many entries reading it costs.
    struct Folder {
        QString hostPath;
        QString devicePath;
        int entries = 0;
    };

    explicit FolderWatcher(QObject* parent = nullptr);

    // Watches these folders and no others.
    void Watch(const QList<Folder>& folders);
    // The wait after a change, by the folder's size.
    static int DelayMs(int entries);

signals:
    // The device paths of the folders that changed since the last report.
    void changed(const QStringList& devicePaths);

private:
    void OnDirectoryChanged(const QString& hostPath);
    void Report();

    QFileSystemWatcher watcher_;
    QTimer timer_;
    QElapsedTimer since_;
    int wait_ = 0;
    QHash<QString, Folder> folders_;  // by host path
    QSet<QString> pending_;           // host paths
    QHash<QString, int> sizes_;       // the largest entry count seen, by host path
};
