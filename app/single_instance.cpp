#include "app/single_instance.h"

#include <QLocalSocket>

namespace tarnivel {

namespace {

constexpr QByteArrayView kComeForward = "raise\n";
constexpr QByteArrayView kExit = "exit\n";
constexpr int kWaitMs = 500;
// While the first process is still starting, it holds the lock but does not listen yet.
constexpr int kConnectTries = 10;
// The first one hangs up once it has read the request. Hanging up before would lose the request
// on Windows, where a pipe closed by its writer drops what its reader has not read yet.
constexpr int kTakeMs = 5000;
// Ending stores the settings first.
constexpr int kEndMs = 10000;

} // namespace

SingleInstance::SingleInstance(const QString& folder, const QString& name, QObject* parent)
    : QObject(parent), m_socketPath(folder + QLatin1Char('/') + name + QStringLiteral(".socket")),
      m_lock(folder + QLatin1Char('/') + name + QStringLiteral(".lock"))
{
    // Only a dead owner makes the lock stale, never its age.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = m_server.nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                const QByteArray request = peer->readAll();
                if (request.contains(kComeForward.toByteArray()))
                    emit activationRequested();
                else if (request.contains(kExit.toByteArray()))
                    emit exitRequested();
                peer->disconnectFromServer();
            });
        }
    });
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    if (m_lock.tryLock(0) || ask(kComeForward) == Asked::LockTaken) {
        listen();
        return true;
    }
    return false;
}

bool SingleInstance::endRunning()
{
    const bool ended = m_lock.tryLock(0) || ask(kExit) == Asked::LockTaken ||
                       m_lock.tryLock(kEndMs); // the meter lets go of it as it ends
    if (ended)
        m_lock.unlock();
    return ended;
}

SingleInstance::Asked SingleInstance::ask(QByteArrayView request)
{
    for (int attempt = 0; attempt < kConnectTries; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (socket.waitForConnected(kWaitMs)) {
            socket.write(request.data(), request.size());
            socket.waitForBytesWritten(kWaitMs);
            socket.waitForDisconnected(kTakeMs);
            return Asked::Delivered;
        }
        if (m_lock.tryLock(kWaitMs / 5))
            return Asked::LockTaken; // the owner died (or ended) while we knocked
    }
    return Asked::NoAnswer;
}

void SingleInstance::listen()
{
    // Whatever socket is left belongs to a run that is gone.
    QLocalServer::removeServer(m_socketPath);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    // Without the socket the meter still runs; later starts then find nobody to ask.
    m_server.listen(m_socketPath);
}

} // namespace tarnivel
