#pragma once
// How a later start of the program hands its request to the running instance: one line over a
// local socket beside the single-instance lock. The line is the absolute path of the file to
// open in UTF-8, or empty when the later start was given no file; either way the running
// instance comes forward. Whatever arrives is untrusted: bounded, a path only, and the file is
// then opened through the same checks as the Open button's.

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

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
    // Replaces any socket a crashed instance left behind: only the lock holder listens.
    bool listen();

private:
    void serve(QLocalSocket* socket);

    QString m_socketPath;
    std::function<void(const QString&)> m_onRequest;
    QLocalServer m_server;
};

} // namespace orbika
