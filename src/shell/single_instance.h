#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// One running instance per device: the first start listens on a local socket that only this
// user can reach; a later start hands its command line over and ends. Nothing but one
// length-prefixed command line is accepted on the socket.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // Longest command line accepted, in UTF-8 bytes.
    static constexpr quint32 kMaxMessageBytes = 4096;

    // key names the device (and is hashed into the socket name); socketDir is where the
    // socket lives (default: RuntimeDir()).
    explicit SingleInstance(const QString& key, const QString& socketDir = QString(),
                            QObject* parent = nullptr);
    ~SingleInstance() override;

    // $XDG_RUNTIME_DIR, else a per-user folder with mode 0700 under the temporary folder;
    // empty when no safe folder exists.
    static QString RuntimeDir();
    // The socket name derived from the application title and the key.
    static QString ServerName(const QString& key);

    // True when another instance took the command line; this start should end then.
    bool HandOver(const QString& commandLine);
    // Starts listening as the first instance; false when that was not possible (the program
    // then runs without the guard).
    bool Listen();
    QString SocketPath() const { return socketPath_; }

signals:
    void commandLineReceived(const QString& commandLine);

private:
    void OnNewConnection();

    QString socketPath_;
    QLocalServer server_;
};
