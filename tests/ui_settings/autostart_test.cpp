// The session start on Linux, in a temporary XDG_CONFIG_HOME.
#include "tests/support/config_home.h"
#include "ui/settings/autostart.h"
#include "ui/settings/desktop_entry.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

using namespace tarnivel;

TEST(Autostart, CreateQueryRemoveAValidEntry)
{
    ConfigHome home;
    const QString path = home.filePath(QStringLiteral("autostart/Tarnivel.desktop"));
    const std::string program = "/home/ann lee/My \"Apps\"/100% $HOME `id` back\\slash/tab\t"
                                "new\nline/tarnivel";
    SetRunKey("Tarnivel", "", true); // no program file to name: none is written
    EXPECT_FALSE(IsInRunKey("Tarnivel"));
    SetRunKey("Tarnivel", "/usr/bin/tarnivel", true);
    SetRunKey("Tarnivel", program, true); // rewrites the entry
    SetRunKey("Tarnivel", "", true);      // and this leaves it as it is
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), autostartEntry("Tarnivel", program));
    file.close();
    // Nothing of the atomic write stays behind.
    EXPECT_EQ(QDir(home.filePath(QStringLiteral("autostart"))).entryList(QDir::Files),
              QStringList{QStringLiteral("Tarnivel.desktop")});
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start(QStringLiteral("desktop-file-validate"), {path});
    ASSERT_TRUE(validate.waitForFinished()) << "desktop-file-validate (desktop-file-utils) missing";
    EXPECT_EQ(validate.readAll().trimmed().toStdString() + std::to_string(validate.exitCode()),
              "0");
    // Any entry counts, an empty one too, unless it is switched off.
    for (const auto& [text, registered] :
         {std::pair{"", true}, {"[Desktop Entry]\nHidden=true", false}}) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) >= 0);
        file.close();
        EXPECT_EQ(IsInRunKey("Tarnivel"), registered) << text;
    }
    SetRunKey("Tarnivel", program, false);
    EXPECT_FALSE(file.exists());
    SetRunKey("Tarnivel", program, false); // nothing to remove: silent
}
