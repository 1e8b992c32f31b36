#include "app/program_path.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>

namespace tarnivel {
namespace {

// A copy of the probe runs from a folder of the test's own while its file is left alone,
// replaced the way a package upgrade does it (a new file renamed over the old one), or removed.
TEST(RunningProgramPath, NamesTheProgramFileEvenAfterAnUpgradeReplacedIt)
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("tarnivel"));
    const QString upgrade = dir.filePath(QStringLiteral("tarnivel.new"));
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"left alone",
         [] {
         }},
        {"replaced",
         [&] {
             ASSERT_TRUE(QFile::copy(QStringLiteral(TARNIVEL_PROBE), upgrade));
             ASSERT_EQ(std::rename(QFile::encodeName(upgrade), QFile::encodeName(program)), 0);
         }},
        {"removed", [&] {
             ASSERT_TRUE(QFile::remove(program));
         }}};
    for (const auto& [what, change] : cases) {
        SCOPED_TRACE(what);
        QFile::remove(program);
        ASSERT_TRUE(QFile::copy(QStringLiteral(TARNIVEL_PROBE), program));
        QProcess probe;
        probe.start(program, {});
        ASSERT_TRUE(probe.waitForStarted());
        change();
        probe.write("\n");
        ASSERT_TRUE(probe.waitForFinished());
        const QString expected = std::string_view(what) == "removed" ? QString() : program;
        EXPECT_EQ(probe.readAllStandardOutput().trimmed().toStdString(),
                  QFile::encodeName(expected).toStdString());
    }
}

} // namespace
} // namespace tarnivel
