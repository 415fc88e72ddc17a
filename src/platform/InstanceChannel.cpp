#include "InstanceChannel.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStringDecoder>
#include <QTimer>

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
        const std::optional<QString> file = ParseHandOver(socket->readLine(kMaxHandOverBytes + 1));
        socket->disconnectFromServer();
        if (file) {
            // Run the request once this handler has returned: it may show modal messages.
            QTimer::singleShot(0, this, [this, path = *file] { m_onRequest(path); });
        }
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    read(); // bytes may have arrived with the connection
}

} // namespace orbika
