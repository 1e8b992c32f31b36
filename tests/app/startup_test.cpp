#include "app/startup.h"
#include "tests/app/memory_backend.h"

#include <gtest/gtest.h>

namespace tarnivel {
namespace {

TEST(Startup, RunBeforeChoosesTheWindow)
{
    const std::pair<const char*, StartWindow> cases[] = {
        {"1", StartWindow::Meter},      {"-1", StartWindow::Meter},
        {"TRUE", StartWindow::Meter},   {"0", StartWindow::Wizard},
        {"false", StartWindow::Wizard}, {"", StartWindow::Wizard},
        {"maybe", StartWindow::Wizard}, {"\xff\xfe", StartWindow::Wizard},
    };
    for (const auto& [text, expected] : cases) {
        test::MemoryBackend store;
        store.values["RunBefore"] = text;
        EXPECT_EQ(chooseStartWindow(store), expected) << '"' << text << '"';
        EXPECT_EQ(store.calls, std::vector<std::string>{"read RunBefore"});
    }
}

TEST(Startup, WizardFinishLeadsToTheMeterWithItsScale)
{
    test::MemoryBackend store;
    EXPECT_EQ(chooseStartWindow(store), StartWindow::Wizard);

    // What the wizard stores at Finish, in its order.
    SaveMaxValue(store, 1250000);
    WriteSetting(store, kAppName, kSection, "RunBefore", "1");

    EXPECT_EQ(store.values["MaxValue"], "1250000");
    EXPECT_EQ(chooseStartWindow(store), StartWindow::Meter);
    WindowSettings expected;
    expected.MaxValue = 1250000;
    EXPECT_EQ(readWindowSettings(store), expected);
}

} // namespace
} // namespace tarnivel
