#include "cli/password_input.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QByteArray>
#include <cerrno>

namespace {

// Longer lines are no password the explorer could take; they are cut here only to bound
// memory, and then refused by the caller for their length.
constexpr qsizetype kMaxLineBytes = 4096;

std::optional<QByteArray> ReadLine(int fd) {
    QByteArray line;
    bool readAny = false;
    for (;;) {
        char c = 0;
        const ssize_t got = ::read(fd, &c, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        readAny = true;
        if (c == '\n') break;
        if (line.size() < kMaxLineBytes) line.append(c);
    }
    if (!readAny) return std::nullopt;
    if (line.endsWith('\r')) line.chop(1);
    return line;
}

}  // namespace

std::optional<QString> ReadPasswordLine(int fd) {
    const std::optional<QByteArray> line = ReadLine(fd);
    if (!line) return std::nullopt;
    return QString::fromUtf8(*line);
}

std::optional<QString> AskPassword(const QString& label) {
    const int tty = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (tty < 0) return std::nullopt;
    termios saved{};
    const bool isTerminal = ::tcgetattr(tty, &saved) == 0;
    if (isTerminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        ::tcsetattr(tty, TCSAFLUSH, &quiet);
    }
    const QByteArray prompt = label.toUtf8();
    ssize_t written = ::write(tty, prompt.constData(), size_t(prompt.size()));
    Q_UNUSED(written);
    const std::optional<QByteArray> line = ReadLine(tty);
    if (isTerminal) ::tcsetattr(tty, TCSAFLUSH, &saved);
    ::close(tty);
    if (!line || !isTerminal) return std::nullopt;
    return QString::fromUtf8(*line);
}
