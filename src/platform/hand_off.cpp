#include "platform/hand_off.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

#include <algorithm>
#include <memory>
#include <optional>

namespace brisquel {
namespace {

// Far beyond any real list of paths; a sender that goes on is cut off instead of filling
// the running copy's memory.
constexpr qint64 MaxHandOffBytes = 16 * 1024 * 1024;
constexpr char Taken = 'T';

// The paths of a whole list: each ended by a NUL, the list by an empty one. Nothing while
// the list is not whole yet.
std::optional<std::vector<std::string>> wholeList(const QByteArray& bytes)
{
    std::vector<std::string> paths;
    qsizetype start = 0;
    for (qsizetype end = bytes.indexOf('\0'); end >= 0; end = bytes.indexOf('\0', start)) {
        if (end == start)
            return paths;
        paths.emplace_back(bytes.constData() + start, static_cast<std::size_t>(end - start));
        start = end + 1;
    }
    return std::nullopt;
}

} // namespace

HandOffServer::HandOffServer(QString socketPath, QObject* parent)
    : QObject(parent)
    , m_socketPath(std::move(socketPath))
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &HandOffServer::accept);
}

HandOffServer::~HandOffServer()
{
    m_server.close();
}

bool HandOffServer::listen()
{
    QLocalServer::removeServer(m_socketPath);
    return m_server.listen(m_socketPath);
}

void HandOffServer::accept()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
            received->append(socket->readAll());
            const auto paths = wholeList(*received);
            if (!paths && received->size() <= MaxHandOffBytes)
                return;
            if (paths) {
                // Taken before the window works on them: a long folder search must not
                // keep the sender waiting.
                socket->write(&Taken, 1);
                socket->flush();
            }
            socket->disconnectFromServer();
            received->clear();
            if (paths && !paths->empty())
                emit pathsHandedOver(*paths);
        });
    }
}

bool handPathsOver(const QString& socketPath, const std::vector<std::string>& paths,
                   std::chrono::milliseconds patience)
{
    QByteArray bytes;
    for (const std::string& path : paths) {
        bytes.append(path.data(), static_cast<qsizetype>(path.size()));
        bytes.append('\0');
    }
    bytes.append('\0');
    const QDeadlineTimer deadline(patience);
    const auto remaining = [&] { return static_cast<int>(std::max<qint64>(1, deadline.remainingTime())); };
    QLocalSocket socket;
    while (true) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(remaining()))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    socket.write(bytes);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remaining()) || deadline.hasExpired())
            return false;
    }
    while (socket.bytesAvailable() == 0) {
        if (!socket.waitForReadyRead(remaining()) || deadline.hasExpired())
            return false;
    }
    return socket.read(1) == QByteArray(1, Taken);
}

} // namespace brisquel
