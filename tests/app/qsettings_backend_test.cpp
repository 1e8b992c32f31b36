#include "app/qsettings_backend.h"
#include "app/startup.h"
#include "tests/support/settings_generation.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace tarnivel {
namespace {

[[maybe_unused]] QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(QSettingsBackend, JunkReadsAsDefaultsAndWrittenSettingsLoadInANewRun)
{
    // Hand-edited or damaged: stray lines, QSettings' own forms, quotes, binary bytes, NULs.
    static constexpr char kJunk[] = "garbage before any section\n[Settings\n[Settings]"
                                    "\nRunBefore=maybe\nMaxValue=1, 2, 3\nBackColour="
                                    "\nDLColour=@ByteArray(\\0\\x1)\nOverlapColour=\"12\""
                                    "\nWidth=\xff\xfe\x01\n=17\nHeight\nOpacity=300\nFloat=1,\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.ini"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write(QByteArray(kJunk, sizeof kJunk - 1) + QByteArray(300, '\0')) > 0);
    file.close();
    const std::string note = "0\nInjected=1\r\\n"; // line breaks in a value must not add keys
    {
        QSettingsBackend store(path);
        EXPECT_EQ(chooseStartWindow(store), StartWindow::Wizard);
        const WindowSettings defaults{100000, 255, 65280, 8421504, 65535, 1935, 1230, false, 255};
        EXPECT_EQ(readWindowSettings(store), defaults); // Float off: "1," is not "1"

        store.setValue(kAppName, kSection, "RunBefore", "1");
        store.setValue(kAppName, kSection, "Note", note);
        writeWindowSettings(store, LiveSettings{12345678.f, 255, 65280, -16777216, 65535, false,
                                                200, 1935.f, 1230.f, true});
    }
    // A file new to this process, so that QSettings reads it rather than its cache of the first.
    ASSERT_TRUE(QFile::copy(path, path + QStringLiteral(".run2")));
    QSettingsBackend store(path + QStringLiteral(".run2"));
    EXPECT_EQ(chooseStartWindow(store), StartWindow::Meter);
    EXPECT_EQ(store.value(kAppName, kSection, "Note"), note);
    EXPECT_EQ(store.value(kAppName, kSection, "Injected"), std::nullopt);
    const WindowSettings expected{12345680, 255, 65280, -16777216, 65535, 1935, 1230, false, 200};
    EXPECT_EQ(readWindowSettings(store), expected);
}

#ifdef Q_OS_UNIX
// The user's own store, redirected to a temporary folder. A file size limit stands in for a full
// disk: unlike folder permissions it binds root too.
TEST(QSettingsBackend, FullDiskIsSilentAndLeavesTheUsersFileIntact)
{
    QTemporaryDir config;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    const QString path = config.filePath(QStringLiteral("Tarnivel/Tarnivel.conf"));
    {
        QSettingsBackend store;
        // Padding so that the rewritten file cannot fit under the limit below.
        store.setValue(kAppName, kSection, "Padding", std::string(2000, 'x'));
        writeWindowSettings(store,
                            LiveSettings{12345678.f, 1, 2, 3, 4, true, 100, 3e3f, 2e3f, true});
    }
    const QByteArray before = contents(path);
    ASSERT_TRUE(before.startsWith("[Settings]\n") && before.contains("\nMaxValue=1.234568E+07\n"))
        << before.constData();

    rlimit saved{}, limit{};
    getrlimit(RLIMIT_FSIZE, &saved);
    limit = {1024, saved.rlim_max};
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    {
        QSettingsBackend store;
        store.setValue(kAppName, kSection, "Opacity", "7");
        EXPECT_NO_THROW(store.flush());
    } // the store's end writes again, so it comes before the limit is lifted
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_EQ(contents(path), before);
    // No temporary or lock file is left behind either.
    EXPECT_EQ(QDir(config.filePath(QStringLiteral("Tarnivel"))).entryList(QDir::Files),
              QStringList{QStringLiteral("Tarnivel.conf")});
}
#endif

#ifdef TARNIVEL_SETTINGS_WRITER
// A child stores whole generations in a loop and is killed (SIGKILL) at a random moment, a
// hundred times: every time the file reads back one whole generation, never older than the
// last one seen, never a mix of two, never empty; and the next store, whatever lock file the
// kill left behind, finishes at once instead of waiting for the lock to grow stale (30 s).
TEST(QSettingsBackend, KilledWhileStoringLeavesOneWholeGenerationAndNoLockToWaitFor)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Tarnivel.conf"));
    {
        QSettingsBackend store(path);
        storeGeneration(store, 0);
    }
    std::minstd_rand random(20240607);
    int last = 0, locksLeft = 0;
    qint64 slowest = 0;
    for (int kill = 0; kill < 100; ++kill) {
        QProcess writer;
        writer.start(QStringLiteral(TARNIVEL_SETTINGS_WRITER), {path});
        ASSERT_TRUE(writer.waitForReadyRead(30000)) << "kill " << kill;
        QThread::usleep(random() % 3000); // the writer goes on storing meanwhile
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished() && writer.exitStatus() == QProcess::CrashExit);
        locksLeft += QFile::exists(path + QStringLiteral(".lock"));

        // A copy is new to this process, so QSettings reads the file rather than a cache.
        const QString copy = dir.filePath(QStringLiteral("after-kill-%1.conf").arg(kill));
        ASSERT_TRUE(QFile::copy(path, copy));
        QSettingsBackend back(copy);
        const std::optional<int> g = storedGeneration(back);
        ASSERT_TRUE(g.has_value()) << "kill " << kill << " left:\n"
                                   << contents(copy).left(300).constData();
        EXPECT_GE(*g, last) << "kill " << kill;
        last = *g;

        QElapsedTimer storing;
        storing.start();
        QSettingsBackend next(path);
        storeGeneration(next, last);
        slowest = std::max(slowest, storing.elapsed());
        // Not a measure of speed: a wait for a stale lock takes half a minute.
        ASSERT_LT(storing.elapsed(), 10000) << "kill " << kill;
    }
    std::printf("100 kills; %d generations stored in all; %d lock files left; the slowest next "
                "store took %lld ms\n",
                last, locksLeft, static_cast<long long>(slowest));
}
#endif

} // namespace
} // namespace tarnivel
