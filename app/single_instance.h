#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

namespace tarnivel {

// One meter per user session and display. The first process to claim the name holds a lock
// file and listens on a local socket beside it; a later one finds the lock taken, asks the
// first to come forward through the socket, and ends. The lock dies with its process, so a
// run that was killed never blocks the next start.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    // folder and name: see sessionInstancePlace(); the folder is private to the user.
    SingleInstance(const QString& folder, const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // True when this process is now the one meter and listens for later starts; false when
    // another one runs and has been asked to come forward.
    bool claim();

    // Asks the running meter to end as its "Exit" does (an installer does before it replaces the
    // program) and waits for it; true when none runs any more.
    bool endRunning();

signals:
    // A later start asked this one to come forward.
    void activationRequested();
    // Another process asked this one to end.
    void exitRequested();

private:
    enum class Asked { Delivered, LockTaken, NoAnswer };
    Asked ask(QByteArrayView request);
    void listen();

    QString m_socketPath;
    QLockFile m_lock;
    QLocalServer m_server;
};

} // namespace tarnivel
