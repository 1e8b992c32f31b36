// The session start on Linux, in a temporary XDG_CONFIG_HOME.
#include "tests/support/config_home.h"
#include "ui/settings/autostart.h"
#include "ui/settings/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace tarnivel {
namespace {

class AutostartTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_home.isValid()); }

    QString path(const char* name = "autostart/Tarnivel.desktop") const
    {
        return m_home.filePath(QString::fromLatin1(name));
    }
    std::string entry() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "";
    }

    ConfigHome m_home;
};

TEST_F(AutostartTest, CreateQueryRemoveAValidEntry)
{
    const std::string program = "/home/ann lee/My \"Apps\"/100% $HOME `id` back\\slash/tarnivel";
    EXPECT_FALSE(IsInRunKey("Tarnivel"));
    SetRunKey("Tarnivel", program, true);
    EXPECT_TRUE(IsInRunKey("Tarnivel"));
    EXPECT_EQ(entry(), autostartEntry("Tarnivel", program));
    // Nothing of the atomic write stays behind.
    EXPECT_EQ(QDir(path("autostart")).entryList(QDir::Files),
              QStringList{QStringLiteral("Tarnivel.desktop")});

    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(QStringLiteral("desktop-file-validate"), {path()});
    ASSERT_TRUE(validate.waitForFinished()) << "desktop-file-validate (desktop-file-utils) missing";
    EXPECT_EQ(validate.exitCode(), 0);
    EXPECT_EQ(validate.readAll().trimmed().toStdString(), "");

    SetRunKey("Tarnivel", "/usr/bin/tarnivel", true); // rewrites the entry
    EXPECT_EQ(entry(), autostartEntry("Tarnivel", "/usr/bin/tarnivel"));
    SetRunKey("Tarnivel", "", true); // no program file to name: the entry stays as it is
    EXPECT_EQ(entry(), autostartEntry("Tarnivel", "/usr/bin/tarnivel"));
    SetRunKey("Tarnivel", program, false);
    EXPECT_FALSE(QFile::exists(path()));
    SetRunKey("Tarnivel", program, false); // nothing to remove: silent
    SetRunKey("Tarnivel", "", true);       // and none is written
    EXPECT_FALSE(IsInRunKey("Tarnivel"));
}

TEST_F(AutostartTest, AnyEntryCountsUnlessHidden)
{
    QDir(m_home.path()).mkpath(QStringLiteral("autostart"));
    const std::pair<const char*, bool> rows[] = {
        {"[Desktop Entry]\nType=Application\nName=Other\nExec=/elsewhere/other\n", true},
        {"", true},
        {"[Desktop Entry]\nType=Application\nExec=tarnivel\nHidden=true\n", false}};
    for (const auto& [text, registered] : rows) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) >= 0);
        file.close();
        EXPECT_EQ(IsInRunKey("Tarnivel"), registered) << text;
    }
}

TEST_F(AutostartTest, AFolderThatCannotBeMadeIsSilent)
{
    // A file where the autostart folder should be: no entry can be written, whoever runs this.
    QFile blocker(path("autostart"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SetRunKey("Tarnivel", "/usr/bin/tarnivel", true);
    EXPECT_FALSE(IsInRunKey("Tarnivel"));
    SetRunKey("Tarnivel", "/usr/bin/tarnivel", false);
    EXPECT_TRUE(QFileInfo(blocker.fileName()).isFile());
}

} // namespace
} // namespace tarnivel
