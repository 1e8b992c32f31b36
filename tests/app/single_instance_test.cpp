#include "app/single_instance.h"
#include "app/startup.h"

#include <QFile>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <future>
#include <gtest/gtest.h>
#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace tarnivel {
namespace {

TEST(SingleInstance, NameIsPerDisplayAndSafeAsAFileName)
{
    EXPECT_EQ(instanceName(":0", ""), "tarnivel-_0");
    EXPECT_EQ(instanceName(":1", "wayland-0"), "tarnivel-_1"); // XWayland: the X display
    EXPECT_EQ(instanceName("", "wayland-0"), "tarnivel-wayland-0");
    EXPECT_EQ(instanceName("", ""), "tarnivel-default");
    EXPECT_EQ(instanceName("../x/host:10.0", ""), "tarnivel-.._x_host_10.0");
}

const QString kName = QStringLiteral("tarnivel-_0");

// A later start on a thread of its own, as in another process: it waits for the first to take
// its request. Whether it claimed the name.
std::future<bool> laterStart(const QString& folder)
{
    return std::async(std::launch::async,
                      [folder] { return SingleInstance(folder, kName).claim(); });
}

TEST(SingleInstance, ALaterStartAsksTheFirstToComeForward)
{
    QTemporaryDir dir;
    SingleInstance first(dir.path(), kName);
    QSignalSpy forward(&first, &SingleInstance::activationRequested);
    ASSERT_TRUE(first.claim());
    for (int start = 1; start <= 2; ++start) {
        auto later = laterStart(dir.path());
        ASSERT_TRUE(forward.wait(5000)) << "start " << start;
        EXPECT_FALSE(later.get());
    }
    // Another display, or another user's runtime folder, has a meter of its own.
    SingleInstance otherDisplay(dir.path(), QStringLiteral("tarnivel-_1"));
    EXPECT_TRUE(otherDisplay.claim());
    QTemporaryDir otherUser;
    SingleInstance elsewhere(otherUser.path(), kName);
    EXPECT_TRUE(elsewhere.claim());
}

#ifdef Q_OS_UNIX
TEST(SingleInstance, WhatAKilledRunLeftBehindBlocksNothing)
{
    QTemporaryDir dir;
    // A socket file without a listener, and a lock whose owner died without unlocking.
    QFile leftover(dir.filePath(kName + QStringLiteral(".socket")));
    ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
    leftover.close();
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        QLockFile lock(dir.filePath(kName + QStringLiteral(".lock")));
        _exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(dir.filePath(kName + QStringLiteral(".lock"))));

    SingleInstance next(dir.path(), kName);
    QSignalSpy forward(&next, &SingleInstance::activationRequested);
    ASSERT_TRUE(next.claim());
    auto later = laterStart(dir.path());
    EXPECT_TRUE(forward.wait(5000));
    EXPECT_FALSE(later.get());
}
#endif

} // namespace
} // namespace tarnivel
