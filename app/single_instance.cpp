#include "app/single_instance.h"

#include <QDeadlineTimer>
#include <QLocalSocket>

namespace tarnivel {

namespace {

constexpr QByteArrayView kComeForward = "raise\n";
// The meter's answer once it has come forward. Meters of older versions only hang up.
constexpr QByteArrayView kCameForward = "raised\n";
constexpr QByteArrayView kExit = "exit\n";
constexpr int kWaitMs = 500;
constexpr int kRetryMs = 100;
// How long a later start waits for the first to take its request. A first one that is still
// starting holds the lock, but reads requests only once its window is up.
constexpr int kAnswerMs = 5000;
// How long a request to end waits for the meter to go: it stores its settings first.
constexpr int kEndMs = 10000;
// The owner writes its name into the lock file a moment after creating it. A lock that names
// no owner on this machine (one killed in that moment, or a file from another machine) and is
// older than this belongs to nobody. A live owner's lock stays, whatever its age: Qt removes no
// lock file that its owner holds locked (flock() on Unix, its open handle on Windows).
constexpr int kStaleMs = 2000;

// A file of the place; none without a folder.
QString placePath(const QString& folder, const QString& name, const QString& suffix)
{
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + name + suffix;
}

} // namespace

SingleInstance::SingleInstance(const QString& folder, const QString& name, QObject* parent)
    : QObject(parent), m_socketPath(placePath(folder, name, QStringLiteral(".socket"))),
      m_lock(placePath(folder, name, QStringLiteral(".lock")))
{
    m_lock.setStaleLockTime(kStaleMs);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* peer = m_server.nextPendingConnection()) {
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                const QByteArray request = peer->readAll();
                if (request.contains(kComeForward.toByteArray())) {
                    emit activationRequested();
                    peer->write(kCameForward.data(), kCameForward.size());
                    peer->flush(); // now, not on a later turn of the event loop
                } else if (request.contains(kExit.toByteArray())) {
                    emit exitRequested();
                }
                peer->disconnectFromServer();
            });
        }
    });
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim()
{
    if (m_socketPath.isEmpty())
        return Claim::Unchecked;
    const QDeadlineTimer deadline(kAnswerMs);
    for (int wait = 0; !m_lock.tryLock(wait); wait = kRetryMs) {
        if (deadline.hasExpired())
            return Claim::Unanswered;
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (!socket.waitForConnected(kWaitMs))
            continue; // not listening yet, or gone
        socket.write(kComeForward.data(), kComeForward.size());
        socket.waitForBytesWritten(kWaitMs);
        if (socket.state() != QLocalSocket::UnconnectedState)
            socket.waitForDisconnected(static_cast<int>(deadline.remainingTime()));
        if (socket.state() != QLocalSocket::UnconnectedState)
            return Claim::Unanswered;
        // Hanging up without the answer: a meter of an older version that has read the request,
        // or one that ended meanwhile and so frees its place. (On Windows the answer may be lost:
        // a pipe closed by its writer drops what its reader has not read yet.)
        if (socket.readAll().contains(kCameForward) || !m_lock.tryLock(kRetryMs))
            return Claim::CameForward;
        break;
    }
    listen();
    return Claim::Meter;
}

bool SingleInstance::endRunning()
{
    const QDeadlineTimer deadline(kEndMs);
    bool asked = false;
    // The meter lets go of its lock as it ends.
    while (!m_socketPath.isEmpty() && !m_lock.tryLock(kRetryMs)) {
        if (deadline.hasExpired())
            return false;
        if (asked)
            continue;
        QLocalSocket socket;
        socket.connectToServer(m_socketPath);
        if (!socket.waitForConnected(kWaitMs))
            continue; // not listening yet, or gone
        socket.write(kExit.data(), kExit.size());
        // It hangs up once it has read the request.
        asked = socket.waitForBytesWritten(kWaitMs) && socket.waitForDisconnected(kAnswerMs);
    }
    m_lock.unlock();
    return true;
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
