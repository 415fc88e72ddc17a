#include "InstanceChannel.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTimer>

#ifdef Q_OS_UNIX
#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>
#else
#include <QLocalSocket>
#endif

namespace orbika {

namespace {

// A sender that has not finished its one line by then is dropped; a running instance that has
// not answered by then is taken to be hung.
constexpr int kServeTimeoutMs = 5000;
constexpr int kSendTimeoutMs = 3000;

} // namespace

std::optional<QByteArray> FormatHandOver(const QString& file) {
    QByteArray line;
    if (!file.isEmpty())
        line = QFileInfo(file).absoluteFilePath().toUtf8();
    if (line.contains('\n') || line.contains('\0') || line.size() + 1 > kMaxHandOverBytes)
        return std::nullopt;
    line.append('\n');
    return line;
}

std::optional<QString> ParseHandOver(const QByteArray& line) {
    if (line.size() > kMaxHandOverBytes || !line.endsWith('\n'))
        return std::nullopt;
    const QByteArray bytes = line.chopped(1);
    if (bytes.contains('\n') || bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString path = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    if (!path.isEmpty() && !QDir::isAbsolutePath(path))
        return std::nullopt;
    return path;
}

void InstanceServer::take(const QByteArray& line) {
    if (const std::optional<QString> file = ParseHandOver(line)) {
        // Run the request once this handler has returned: it may show modal messages.
        QTimer::singleShot(0, this, [this, path = *file] { m_onRequest(path); });
    }
}

#ifdef Q_OS_UNIX

namespace {

// At most this many senders are served at once; the rest wait in the listen queue.
constexpr int kMaxConnections = 8;
// After the system ran out of descriptors, accepting is tried again this much later.
constexpr int kAcceptRetryMs = 200;

#ifdef MSG_NOSIGNAL
constexpr int kSendFlags = MSG_NOSIGNAL; // a server that hung up must not kill the sender
#else
constexpr int kSendFlags = 0; // SO_NOSIGPIPE is set on the socket instead
#endif

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept : m_fd(other.release()) {}
    Descriptor& operator=(Descriptor&&) = delete;

    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }
    void reset() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

// Close-on-exec, so that a browser the program starts does not keep the socket alive, and
// non-blocking, so that no peer can stall the event loop.
[[maybe_unused]] Descriptor Prepared(int fd) {
    Descriptor owned(fd);
    if (fd < 0)
        return owned;
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fcntl(fd, F_SETFD, FD_CLOEXEC) != 0 || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0)
        owned.reset();
    return owned;
}

Descriptor NewSocket() {
#ifdef SOCK_CLOEXEC
    return Descriptor(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
#else
    return Prepared(::socket(AF_UNIX, SOCK_STREAM, 0));
#endif
}

Descriptor AcceptOne(int listener) {
#ifdef SOCK_CLOEXEC
    return Descriptor(::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
#else
    return Prepared(::accept(listener, nullptr, nullptr));
#endif
}

// The address of `path`, or nothing when it does not fit: a shortened path names another file.
std::optional<sockaddr_un> Address(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (bytes.isEmpty() || bytes.contains('\0') ||
        std::size_t(bytes.size()) >= sizeof address.sun_path)
        return std::nullopt;
    std::memcpy(address.sun_path, bytes.constData(), std::size_t(bytes.size()));
    return address;
}

const sockaddr* Raw(const sockaddr_un& address) {
    return reinterpret_cast<const sockaddr*>(&address);
}

// Waits until `fd` is ready for `events` (or has failed, which the next call then reports).
bool WaitFor(int fd, short events, const QDeadlineTimer& deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = ::poll(&entry, 1, int(deadline.remainingTime()));
        if (ready != -1)
            return ready > 0;
        if (errno != EINTR)
            return false;
    }
}

bool Connect(int fd, const sockaddr_un& address) {
    const QDeadlineTimer deadline(kSendTimeoutMs);
    for (;;) {
        if (::connect(fd, Raw(address), sizeof address) == 0 || errno == EISCONN)
            return true;
        if (errno == EAGAIN) {
            // The listen queue is full: the running instance is busy with other senders.
            if (deadline.hasExpired())
                return false;
            ::poll(nullptr, 0, 20);
            continue;
        }
        // An interrupted connect goes on by itself, like one in progress.
        if (errno != EINPROGRESS && errno != EALREADY && errno != EINTR)
            return false;
        if (!WaitFor(fd, POLLOUT, deadline))
            return false;
        int error = 0;
        socklen_t size = sizeof error;
        return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }
}

bool WriteAll(int fd, const QByteArray& bytes) {
    const QDeadlineTimer deadline(kSendTimeoutMs);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t sent =
            ::send(fd, bytes.constData() + done, std::size_t(bytes.size() - done), kSendFlags);
        if (sent > 0)
            done += sent;
        else if (sent == 0 || (errno != EINTR && !((errno == EAGAIN || errno == EWOULDBLOCK) &&
                                                   WaitFor(fd, POLLOUT, deadline))))
            return false;
    }
    return true;
}

// The server hangs up once it has the whole line; silence or a reset means it did not take it.
bool AwaitHangUp(int fd) {
    const QDeadlineTimer deadline(kSendTimeoutMs);
    for (;;) {
        char byte;
        const ssize_t got = ::recv(fd, &byte, 1, 0);
        if (got == 0)
            return true;
        if (got > 0) {
            if (deadline.hasExpired())
                return false;
        } else if (errno != EINTR &&
                   !((errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(fd, POLLIN, deadline))) {
            return false;
        }
    }
}

} // namespace

bool SendHandOver(const QString& socketPath, const QString& file) {
    const std::optional<QByteArray> line = FormatHandOver(file);
    const std::optional<sockaddr_un> address = Address(socketPath);
    if (!line || !address)
        return false;
    Descriptor socket = NewSocket();
    if (socket.get() < 0)
        return false;
#ifdef SO_NOSIGPIPE
    const int on = 1;
    ::setsockopt(socket.get(), SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
#endif
    return Connect(socket.get(), *address) && WriteAll(socket.get(), *line) &&
           AwaitHangUp(socket.get());
}

// One sender: its line is gathered as it arrives, never waited for.
class InstanceServer::Connection : public QObject {
public:
    Connection(InstanceServer* server, int fd)
        : QObject(server), m_server(server), m_fd(fd), m_notifier(fd, QSocketNotifier::Read) {
        connect(&m_notifier, &QSocketNotifier::activated, this, [this] { read(); });
        QTimer::singleShot(kServeTimeoutMs, this, [this] { finish(std::nullopt); });
        read(); // bytes may have arrived with the connection
    }
    ~Connection() override {
        if (m_fd < 0)
            return;
        m_notifier.setEnabled(false);
        ::close(m_fd);
    }

private:
    void read() {
        while (m_fd >= 0) {
            // Never more than one request may be long; a longer one is refused.
            const qsizetype start = m_line.size();
            m_line.resize(kMaxHandOverBytes);
            const ssize_t got =
                ::recv(m_fd, m_line.data() + start, std::size_t(kMaxHandOverBytes - start), 0);
            const int error = errno;
            m_line.resize(start + std::max<qsizetype>(got, 0));
            if (got > 0) {
                const qsizetype end = m_line.indexOf('\n', start);
                if (end >= 0)
                    finish(m_line.left(end + 1));
                else if (m_line.size() >= kMaxHandOverBytes)
                    finish(std::nullopt);
            } else if (got == 0 || (error != EINTR && error != EAGAIN && error != EWOULDBLOCK)) {
                finish(std::nullopt); // hung up before the line's end, or failed
            } else if (error != EINTR) {
                return;
            }
        }
    }

    // Hangs up, which tells the sender its line was taken, and then passes the line on.
    void finish(const std::optional<QByteArray>& line) {
        if (m_fd < 0)
            return;
        m_notifier.setEnabled(false);
        ::close(m_fd);
        m_fd = -1;
        if (line)
            m_server->take(*line);
        m_server->connectionClosed();
        deleteLater();
    }

    InstanceServer* m_server;
    int m_fd;
    QSocketNotifier m_notifier;
    QByteArray m_line;
};

InstanceServer::InstanceServer(QString socketPath, std::function<void(const QString&)> onRequest)
    : m_socketPath(std::move(socketPath)), m_onRequest(std::move(onRequest)) {}

InstanceServer::~InstanceServer() {
    if (m_fd < 0)
        return;
    delete m_notifier;
    ::close(m_fd);
    // The file goes with the server, unless another instance has since put its own there.
    const QByteArray path = QFile::encodeName(m_socketPath);
    struct stat info {};
    if (::lstat(path.constData(), &info) == 0 && info.st_dev == m_device && info.st_ino == m_inode)
        ::unlink(path.constData());
}

bool InstanceServer::listen() {
    const std::optional<sockaddr_un> address = Address(m_socketPath);
    if (m_fd >= 0 || !address)
        return false;
    Descriptor socket = NewSocket();
    if (socket.get() < 0)
        return false;
    // What a crashed instance left; only the lock holder gets here.
    ::unlink(address->sun_path);
#ifdef Q_OS_LINUX
    // Linux makes the file with the socket's own mode: only the user can ever connect.
    const bool bound = ::fchmod(socket.get(), S_IRWXU) == 0 &&
                       ::bind(socket.get(), Raw(*address), sizeof *address) == 0;
#else
    const mode_t mask = ::umask(S_IRWXG | S_IRWXO);
    const bool bound = ::bind(socket.get(), Raw(*address), sizeof *address) == 0;
    ::umask(mask);
#endif
    if (!bound)
        return false;
    struct stat info {};
    if (::lstat(address->sun_path, &info) != 0 || !S_ISSOCK(info.st_mode) ||
        (info.st_mode & (S_IRWXG | S_IRWXO)) != 0 || ::listen(socket.get(), kMaxConnections) != 0) {
        ::unlink(address->sun_path);
        return false;
    }
    m_device = info.st_dev;
    m_inode = info.st_ino;
    m_fd = socket.release();
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InstanceServer::acceptPending);
    return true;
}

void InstanceServer::acceptPending() {
    while (m_connections < kMaxConnections) {
        Descriptor socket = AcceptOne(m_fd);
        if (socket.get() >= 0) {
            ++m_connections;
            new Connection(this, socket.release());
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return;
        } else if (errno != EINTR && errno != ECONNABORTED) {
            // Out of descriptors or memory: the sender waits in the queue until the retry.
            m_notifier->setEnabled(false);
            QTimer::singleShot(kAcceptRetryMs, this,
                               [this] { m_notifier->setEnabled(m_connections < kMaxConnections); });
            return;
        }
    }
    m_notifier->setEnabled(false); // until one of the senders is done
}

void InstanceServer::connectionClosed() {
    --m_connections;
    m_notifier->setEnabled(true);
}

#else // not Unix: QtNetwork's local socket

bool SendHandOver(const QString& socketPath, const QString& file) {
    const std::optional<QByteArray> line = FormatHandOver(file);
    if (!line)
        return false;
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kSendTimeoutMs))
        return false;
    if (socket.write(*line) != line->size())
        return false;
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kSendTimeoutMs))
            return false;
    }
    // The server closes the connection once it has the whole line.
    return socket.state() == QLocalSocket::UnconnectedState ||
           socket.waitForDisconnected(kSendTimeoutMs);
}

InstanceServer::InstanceServer(QString socketPath, std::function<void(const QString&)> onRequest)
    : m_socketPath(std::move(socketPath)), m_onRequest(std::move(onRequest)) {
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server.nextPendingConnection())
            serve(socket);
    });
}

InstanceServer::~InstanceServer() = default;

bool InstanceServer::listen() {
    QLocalServer::removeServer(m_socketPath);
    return m_server.listen(m_socketPath);
}

void InstanceServer::serve(QLocalSocket* socket) {
    // The buffer never holds more than one request may be long; a longer one is refused below.
    socket->setReadBufferSize(kMaxHandOverBytes + 1);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kServeTimeoutMs, socket, [socket] { socket->abort(); });
    auto read = [this, socket] {
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > kMaxHandOverBytes)
                socket->abort();
            return;
        }
        const QByteArray line = socket->readLine(kMaxHandOverBytes + 1);
        socket->disconnectFromServer();
        take(line);
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    read(); // bytes may have arrived with the connection
}

#endif

} // namespace orbika
