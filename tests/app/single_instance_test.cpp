#include "app/instance_place.h"
#include "app/single_instance.h"
#include "app/startup.h"

#include <QDateTime>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <memory>
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

// On Windows the name is a pipe's in the machine's one namespace: each user's and each logon
// session's own, and the running program's holds its user's SID.
TEST(SingleInstance, WindowsNameIsPerUserAndLogonSession)
{
    const char* user = "S-1-5-21-7-8-9-1001";
    EXPECT_EQ(userInstanceName(user, 0x8f00000012345),
              "tarnivel-S-1-5-21-7-8-9-1001-0008f00000012345");
    EXPECT_NE(userInstanceName(user, 0x3e7), userInstanceName("S-1-5-21-7-8-9-1002", 0x3e7));
    EXPECT_NE(userInstanceName(user, 0x3e7), userInstanceName(user, 0x3e8));
#ifdef Q_OS_WIN
    EXPECT_TRUE(sessionInstancePlace().name.startsWith(QStringLiteral("tarnivel-S-1-5-")));
#endif
}

// What a killed run left behind blocks nothing: its socket file, its lock that was never
// unlocked, a lock that names no owner (killed before it wrote its name), another machine's lock.
// A live meter's lock is kept, however old: each later start, on a thread of its own as in
// another process, asks the first to come forward and waits for it to take the request. An
// installer's --exit asks it to end and returns once it has let go of its lock.
TEST(SingleInstance, ALaterStartAsksTheFirstToComeForwardOrToEnd)
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
    auto first = std::make_unique<SingleInstance>(dir.path(), name);
    QSignalSpy forward(first.get(), &SingleInstance::activationRequested);
    ASSERT_EQ(first->claim(), Claim::Meter);
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
    // It ends a little later; the request waits for that.
    QObject::connect(first.get(), &SingleInstance::exitRequested,
                     [&] { QTimer::singleShot(300, [&] { first.reset(); }); });
    auto end = std::async(std::launch::async,
                          [&] { return SingleInstance(dir.path(), name).endRunning(); });
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return end.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 15000));
    EXPECT_TRUE(end.get() && !first && forward.size() == 2);
}
