#include "app/program_path.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <gtest/gtest.h>

// A copy of the probe runs from a folder of the test's own while its file is left alone,
// replaced the way a package upgrade does it (a new file renamed over the old one), or removed.
TEST(RunningProgramPath, NamesTheProgramFileEvenAfterAnUpgradeReplacedIt)
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("tarnivel"));
    const QString upgrade = program + QStringLiteral(".new");
    for (const std::string_view change : {"left alone", "replaced", "removed"}) {
        QFile::remove(program);
        ASSERT_TRUE(QFile::copy(QStringLiteral(TARNIVEL_PROBE), program));
        QProcess probe;
        probe.start(program, {});
        ASSERT_TRUE(probe.waitForStarted());
        ASSERT_TRUE(change != "replaced" ||
                    (QFile::copy(program, upgrade) &&
                     std::rename(QFile::encodeName(upgrade), QFile::encodeName(program)) == 0));
        ASSERT_TRUE(change != "removed" || QFile::remove(program));
        probe.write("\n");
        ASSERT_TRUE(probe.waitForFinished());
        EXPECT_EQ(probe.readAllStandardOutput().trimmed().toStdString(),
                  change == "removed" ? "" : QFile::encodeName(program).toStdString())
            << change;
    }
}
