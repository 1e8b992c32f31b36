// Store locations and write failures made with POSIX means; these hold for the INI-file stores.
#include "app/qsettings_backend.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace tarnivel {
namespace {

std::string contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

const LiveSettings kLive{500000.f, 1, 2, 3, 4, true, 100, 3000.f, 2000.f, true};

TEST(QSettingsBackendNative, UsesTheTarnivelFileInTheUsersConfigurationFolder)
{
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    // Where the user's configuration folder would be; keeps the test out of the real one.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    {
        QSettingsBackend store;
        writeWindowSettings(store, kLive);
    }
    QSettings file(config.filePath(QStringLiteral("Tarnivel/Tarnivel.conf")), QSettings::IniFormat);
    EXPECT_EQ(file.value(QStringLiteral("Settings/Opacity")).toString(), QStringLiteral("100"));
    EXPECT_EQ(file.value(QStringLiteral("Settings/MaxValue")).toString(), QStringLiteral("500000"));
}

class FailedWrite : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QTemporaryDir m_dir;
};

TEST_F(FailedWrite, FolderThatCannotExistIsSilent)
{
    // A regular file where the folder should be: no write can succeed, even for root.
    const QString blocker = m_dir.filePath(QStringLiteral("not-a-folder"));
    ASSERT_TRUE(QFile(blocker).open(QIODevice::WriteOnly));
    QSettingsBackend store(blocker + QStringLiteral("/settings.ini"));
    EXPECT_NO_THROW(writeWindowSettings(store, kLive));
    EXPECT_EQ(QFileInfo(blocker).size(), 0);
}

// A file size limit stands in for a full disk; unlike folder permissions it binds root too.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
};

TEST_F(FailedWrite, FullDiskLeavesTheOldFileIntact)
{
    const QString path = m_dir.filePath(QStringLiteral("settings.ini"));
    {
        QSettingsBackend store(path);
        // Padding so that the rewritten file cannot fit under the limit below.
        store.setValue(kAppName, kSection, "Padding", std::string(2000, 'x'));
        writeWindowSettings(store, kLive);
    }
    const std::string before = contents(path);
    ASSERT_GT(before.size(), 2000u);
    {
        const FileSizeLimit limit(1024); // outlives the store, whose end would write again
        QSettingsBackend store(path);
        store.setValue(kAppName, kSection, "Opacity", "7");
        EXPECT_NO_THROW(store.flush());
    }
    EXPECT_EQ(contents(path), before);
    // No temporary or lock file is left behind either.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("settings.ini")});
}

} // namespace
} // namespace tarnivel
