#include "app/program_path.h"

#include <gtest/gtest.h>

namespace tarnivel {
namespace {

TEST(RunningProgramPath, IsTheFullPathOfThisTestProgram)
{
    const std::filesystem::path path = runningProgramPath();
    EXPECT_TRUE(path.is_absolute()) << path;
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
    EXPECT_EQ(path.stem(), "tarnivel_program_path_test") << path;
}

} // namespace
} // namespace tarnivel
