#include "app/single_instance.h"
#include "app/startup.h"

#include <QDateTime>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <future>
#include <gtest/gtest.h>
#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace tarnivel;

TEST(SingleInstance, NameIsPerDisplayAndSafeAsAFileName)
{
    EXPECT_EQ(instanceName(":1", "wayland-0"), "tarnivel-_1"); // XWayland: the X display
    EXPECT_EQ(instanceName("", "wayland-0"), "tarnivel-wayland-0");
    EXPECT_EQ(instanceName("", ""), "tarnivel-default");
    EXPECT_EQ(instanceName("../x/host:10.0", ""), "tarnivel-.._x_host_10.0");
}

// What a killed run left behind blocks nothing: its socket file, its lock that was never
// unlocked, a lock that names no owner (killed before it wrote its name), another machine's lock.
// A live meter's lock is kept, however old: each later start, on a thread of its own as in
// another process, asks the first to come forward and waits for it to take the request.
TEST(SingleInstance, ALaterStartAsksTheFirstToComeForward)
{
    using Claim = SingleInstance::Claim;
    const QString name = QStringLiteral("tarnivel-_0");
    const QString lock = name + QStringLiteral(".lock");
    const auto oldLock = [](const QString& path, const QByteArray& owner) {
        QFile file(path); // on Windows a held lock cannot be opened for this
        return file.open(QIODevice::ReadWrite) && file.write(owner) == owner.size() &&
               file.flush() &&
               file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                QFileDevice::FileModificationTime);
    };
    for (const QByteArray& owner : {QByteArray(), QByteArray("1\ntarnivel\nanother-machine\n")}) {
        QTemporaryDir dir;
        ASSERT_TRUE(oldLock(dir.filePath(lock), owner));
        EXPECT_EQ(SingleInstance(dir.path(), name).claim(), Claim::Meter) << owner.constData();
    }
    QTemporaryDir dir;
#ifdef Q_OS_UNIX
    const pid_t child = fork();
    if (child == 0) // ends without the instance's clean-up, as a kill would
        _exit(SingleInstance(dir.path(), name).claim() == Claim::Meter ? 0 : 1);
    int status = 1;
    ASSERT_TRUE(waitpid(child, &status, 0) == child && status == 0);
    ASSERT_TRUE(QFile::exists(dir.filePath(lock)) &&
                QFile::exists(dir.filePath(name + QStringLiteral(".socket"))));
#endif
    SingleInstance first(dir.path(), name);
    QSignalSpy forward(&first, &SingleInstance::activationRequested);
    ASSERT_EQ(first.claim(), Claim::Meter);
    oldLock(dir.filePath(lock), {});
    for (int start = 1; start <= 2; ++start) {
        auto later = std::async(std::launch::async,
                                [&] { return SingleInstance(dir.path(), name).claim(); });
        ASSERT_TRUE(forward.wait(5000) && later.get() == Claim::CameForward) << start;
    }
    // Another display, or another user's runtime folder, has a meter of its own.
    EXPECT_EQ(SingleInstance(dir.path(), QStringLiteral("tarnivel-_1")).claim(), Claim::Meter);
    QTemporaryDir otherUser;
    EXPECT_EQ(SingleInstance(otherUser.path(), name).claim(), Claim::Meter);
}
