#include "app/qsettings_backend.h"
#include "tests/support/settings_generation.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <chrono>
#include <csignal>
#include <future>
#include <gtest/gtest.h>
#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace tarnivel;

[[maybe_unused]] static QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Hand-edited or damaged text: stray lines, QSettings' own forms, quotes, binary bytes, NULs.
TEST(QSettingsBackend, JunkReadsAsTheDefaults)
{
    static constexpr char kJunk[] = "garbage before any section\n[Settings\n[Settings]"
                                    "\nRunBefore=maybe\nMaxValue=1, 2, 3\nBackColour="
                                    "\nDLColour=@ByteArray(\\0\\x1)\nOverlapColour=\"12\""
                                    "\nWidth=\xff\xfe\x01\n=17\nHeight]\nOpacity=300\nFloat=1,\n";
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("settings.ini")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(kJunk + QByteArray(300, '\0')) > 0);
    file.close();
    QSettingsBackend store(file.fileName());
    EXPECT_EQ(readWindowSettings(store), // Float off: "1," is not "1"
              (WindowSettings{100000, 255, 65280, 8421504, 65535, 1935, 1230, false, 255}));
}

#ifdef Q_OS_UNIX
// The user's own store, redirected to a temporary folder. A file size limit stands in for a full
// disk (unlike folder permissions it binds root too): the store fails silently and leaves the
// file as it was, with no temporary or lock file beside it.
TEST(QSettingsBackend, FullDiskIsSilentAndLeavesTheUsersFileIntact)
{
    QTemporaryDir config;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    const QDir folder(config.filePath(QStringLiteral("Tarnivel")));
    storeGeneration(QSettingsBackend(), 1); // its long note cannot fit under the limit
    const QByteArray before = contents(folder.filePath(QStringLiteral("Tarnivel.conf")));
    ASSERT_TRUE(before.startsWith("[Settings]\nBackColour=1\nDLColour=1\n")) << before.constData();

    const rlimit limit{1024, RLIM_INFINITY}, unlimited{RLIM_INFINITY, RLIM_INFINITY};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_NO_THROW(storeGeneration(QSettingsBackend(), 2)); // its end writes again too
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_EQ(contents(folder.filePath(QStringLiteral("Tarnivel.conf"))), before);
    EXPECT_EQ(folder.entryList(QDir::Files), QStringList{QStringLiteral("Tarnivel.conf")});
}

// Another writer (a meter on another display) that has created the lock file but not yet locked
// it, so that the file still names nobody, keeps its lock: the store waits for it.
TEST(QSettingsBackend, StoreWaitsForAWriterThatIsTakingTheLock)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tarnivel.conf"));
    const QString lock = path + QStringLiteral(".lock");
    const int fd = ::open(QFile::encodeName(lock).constData(), O_RDWR | O_CREAT | O_EXCL, 0666);
    auto store =
        std::async(std::launch::async, [&] { storeGeneration(QSettingsBackend(path), 1); });
    QThread::msleep(300); // the other writer is held up between its two steps
    ASSERT_TRUE(::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::write(fd, "mine", 4) == 4);
    EXPECT_EQ(contents(lock), "mine");
    EXPECT_EQ(store.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
    QFile::remove(lock);
    ::close(fd);
}
#endif

#ifdef TARNIVEL_SETTINGS_WRITER
// A child stores whole generations in a loop and is killed (SIGKILL) at a moment spread over 3
// ms, forty times: every time the file reads back, in a new run, one whole generation, never
// older than the last one seen; and the next store, whatever lock file the kill left behind,
// finishes within seconds (a lock that names nobody, once it is a few seconds old) instead of
// the half minute QSettings waits for such a lock.
TEST(QSettingsBackend, KilledWhileStoringLeavesOneWholeGenerationAndNoLockToWaitFor)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tarnivel.conf"));
    std::optional<int> last = 0;
    for (int kill = 0; kill < 40; ++kill) {
        QProcess writer;
        writer.start(QStringLiteral(TARNIVEL_SETTINGS_WRITER), {path});
        ASSERT_TRUE(writer.waitForReadyRead(30000));
        QThread::usleep(kill * 1237 % 3000); // the writer goes on storing meanwhile
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished());

        // A copy is new to this process, so QSettings reads the file rather than a cache.
        const QString copy = path + QString::number(kill);
        ASSERT_TRUE(QFile::copy(path, copy));
        const std::optional<int> g = storedGeneration(QSettingsBackend(copy));
        // Nothing: not one whole generation.
        ASSERT_GE(g, last) << contents(copy).left(300).constData();
        last = g;

        // Not a measure of speed: a wait for a stale lock takes half a minute.
        const auto start = std::chrono::steady_clock::now();
        storeGeneration(QSettingsBackend(path), *last);
        ASSERT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    }
}
#endif
