#include "shell/single_instance.h"

#include <sys/stat.h>
#include <unistd.h>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <QTimer>
#include <QtEndian>
#include <cerrno>

#include "app/load_str.h"
#include "resources/ids.h"

namespace {

constexpr int kConnectTimeoutMs = 1000;
constexpr int kReceiveTimeoutMs = 3000;

// A folder we own and nobody else can enter.
bool IsPrivateFolder(const QString& path) {
    struct stat st {};
    const QByteArray native = QFile::encodeName(path);
    if (lstat(native.constData(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & 077) == 0;
}

}  // namespace

SingleInstance::SingleInstance(const QString& key, const QString& socketDir, QObject* parent)
    : QObject(parent) {
    const QString dir = socketDir.isEmpty() ? RuntimeDir() : socketDir;
    if (!dir.isEmpty()) socketPath_ = dir + QLatin1Char('/') + ServerName(key);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
}

SingleInstance::~SingleInstance() {
    server_.close();
}

QString SingleInstance::RuntimeDir() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && IsPrivateFolder(runtime)) return runtime;
    const QString own = QDir::tempPath() + QStringLiteral("/nuvio-explorer-%1").arg(getuid());
    const QByteArray native = QFile::encodeName(own);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST) return QString();
    // Someone else's folder of that name is not used.
    return IsPrivateFolder(own) ? own : QString();
}

QString SingleInstance::ServerName(const QString& key) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(LoadStr(IDS_APP_TITLE).toUtf8());
    hash.addData(QByteArrayView("\n"));
    hash.addData(key.toUtf8());
    return QStringLiteral("nuvio-explorer-") + QString::fromLatin1(hash.result().toHex().left(24));
}

bool SingleInstance::HandOver(const QString& commandLine) {
    if (socketPath_.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
    const QByteArray text = commandLine.toUtf8();
    if (quint32(text.size()) > kMaxMessageBytes) return false;
    QByteArray message(4, '\0');
    qToBigEndian<quint32>(quint32(text.size()), message.data());
    message += text;
    socket.write(message);
    if (!socket.waitForBytesWritten(kConnectTimeoutMs)) return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kConnectTimeoutMs);
    return true;
}

bool SingleInstance::Listen() {
    if (socketPath_.isEmpty()) return false;
    if (server_.listen(socketPath_)) return true;
    // A socket left by a crashed instance: nobody answered HandOver, so it is stale.
    QLocalServer::removeServer(socketPath_);
    return server_.listen(socketPath_);
}

void SingleInstance::OnNewConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A peer that sends too little in time is dropped.
        QTimer::singleShot(kReceiveTimeoutMs, socket, [socket] { socket->abort(); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() < 4) return;
            QByteArray head = socket->peek(4);
            const quint32 length = qFromBigEndian<quint32>(head.constData());
            if (length > kMaxMessageBytes) {
                socket->abort();
                return;
            }
            if (socket->bytesAvailable() < qint64(4 + length)) return;
            socket->read(4);
            const QByteArray text = socket->read(length);
            socket->disconnectFromServer();
            emit commandLineReceived(QString::fromUtf8(text));
        });
    }
}
