#pragma once
// How a later start of the program hands its request to the running instance: one line over a
// local socket beside the single-instance lock. The line is the absolute path of the file to
// open in UTF-8, or empty when the later start was given no file; either way the running
// instance comes forward. Whatever arrives is untrusted: bounded, a path only, and the file is
// then opened through the same checks as the Open button's.
//
// On Unix the socket is a plain AF_UNIX stream socket watched by the event loop: QtNetwork and
// the libraries it pulls in would cost every start more than the rest of the program's set-up.

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#ifdef Q_OS_UNIX
#include <sys/types.h>
class QSocketNotifier;
#else
#include <QLocalServer>
#endif

namespace orbika {

// A path of up to PATH_MAX bytes and its line end.
inline constexpr qint64 kMaxHandOverBytes = 4096 + 1;

// The request line for `file` (made absolute), or nothing when the path cannot travel in one.
std::optional<QByteArray> FormatHandOver(const QString& file);
// The file a complete request names ("" for none), or nothing when the bytes are not a request.
std::optional<QString> ParseHandOver(const QByteArray& line);

// Sends the request to the server at `socketPath`; true once the server has taken it.
bool SendHandOver(const QString& socketPath, const QString& file);

// The running instance's end. Each request is passed to `onRequest` from the event loop, after
// its connection is closed.
class InstanceServer : public QObject {
public:
    InstanceServer(QString socketPath, std::function<void(const QString&)> onRequest);
    ~InstanceServer() override;
    // Replaces any socket a crashed instance left behind: only the lock holder listens.
    bool listen();

private:
    void take(const QByteArray& line);

    QString m_socketPath;
    std::function<void(const QString&)> m_onRequest;
#ifdef Q_OS_UNIX
    class Connection;
    void acceptPending();
    void connectionClosed();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    int m_connections = 0;
    // The socket file this server made, so that it never removes another instance's.
    dev_t m_device = 0;
    ino_t m_inode = 0;
#else
    void serve(QLocalSocket* socket);

    QLocalServer m_server;
#endif
};

} // namespace orbika
