#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace tarnivel {

// One meter per user session and display. The first process to claim the name holds a lock
// file and listens on a local socket beside it; a later one finds the lock taken, asks the
// first to come forward through the socket, and ends once it has. The lock dies with its
// process, so a run that was killed never blocks the next start.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    // folder and name: see sessionInstancePlace(); the folder is private to the user, or empty
    // when there is none.
    SingleInstance(const QString& folder, const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;
    Q_DISABLE_COPY_MOVE(SingleInstance)

    enum class Claim {
        Meter,       // this process is now the one meter and listens for later starts
        Unchecked,   // no folder to meet in: this process runs without knowing of others
        CameForward, // another one runs and took the request to come forward
        Unanswered,  // another one holds the place but took no request within a few seconds
    };
    Claim claim();

    // Asks the running meter to end as its "Exit" does (an installer does before it replaces the
    // program) and waits for it; true when none runs any more.
    bool endRunning();

signals:
    // A later start asked this one to come forward.
    void activationRequested();
    // Another process asked this one to end.
    void exitRequested();

private:
    void listen();

    QString m_socketPath;
    QLockFile m_lock;
    QLocalServer m_server;
};

} // namespace tarnivel
