// The session start on Linux, in a temporary XDG_CONFIG_HOME. desktop-file-validate checks the
// entry of a path full of characters to escape; tests/ui_settings/settings_core_test pins its text.
#include "tests/support/config_home.h"
#include "ui/settings/autostart.h"

#include <QProcess>

#include <gtest/gtest.h>

using namespace tarnivel;

// No entry without a program file to name; one switched off (GNOME's key) counts as none until
// the box is ticked again.
TEST(Autostart, CreateQueryRemoveAValidEntry)
{
    ConfigHome home;
    QFile file(home.filePath("autostart/Tarnivel.desktop"));
    SetRunKey("Tarnivel", "", true);
    EXPECT_FALSE(IsInRunKey("Tarnivel"));
    SetRunKey("Tarnivel", "/home/ann lee/My \"Apps\"/100% $HOME `id` back\\slash/tab\tnew\nline/t",
              true);
    EXPECT_TRUE(IsInRunKey("Tarnivel"));
    QProcess validate;
    validate.setProcessChannelMode(QProcess::MergedChannels);
    validate.start("desktop-file-validate", {file.fileName()});
    ASSERT_TRUE(validate.waitForFinished()) << "desktop-file-validate (desktop-file-utils) missing";
    EXPECT_EQ(validate.readAll().trimmed().toStdString() + std::to_string(validate.exitCode()),
              "0");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write("[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n") > 0);
    file.close();
    EXPECT_FALSE(IsInRunKey("Tarnivel"));
    SetRunKey("Tarnivel", "/t", true); // ticked again: the entry is replaced, its folder is there
    EXPECT_TRUE(IsInRunKey("Tarnivel"));
    SetRunKey("Tarnivel", "/t", false);
    EXPECT_FALSE(file.exists());
    SetRunKey("Tarnivel", "/t", false); // nothing to remove: silent
}
