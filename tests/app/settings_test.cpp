#include "app/platform_choice.h"
#include "app/program_path.h"
#include "app/settings.h"
#include "app/startup.h"
#include "tests/support/memory_settings.h"

#include <array>
#include <gtest/gtest.h>

using namespace tarnivel;

TEST(SettingsUnload, WritesInUnloadOrderWithTheSizeOnlyWhenNormalThenFlushes)
{
    for (const bool normal : {true, false}) {
        MemorySettings store;
        writeWindowSettings(store, LiveSettings{12345678.f, 255, 65280, -16777216, 65535, false,
                                                128, 1935.f, 1230.5f, normal});
        EXPECT_EQ(store.log, std::string("MaxValue=1.234568E+07 DLColour=255 ULColour=65280 "
                                         "BackColour=-16777216 OverlapColour=65535 Float=0 "
                                         "Opacity=128 ") +
                                 (normal ? "Width=1935 Height=1230.5 " : "") + "flush");
    }
}

TEST(RunningProgramPath, IsTheFullPathOfThisTestProgram)
{
    const std::filesystem::path path = runningProgramPath();
    EXPECT_TRUE(path.is_absolute() && std::filesystem::is_regular_file(path)) << path;
    EXPECT_EQ(path.stem(), "tarnivel_settings_test") << path;
}

// Tables of rows kept dense by hand, a few related rows per line.
// clang-format off
TEST(SettingsConversion, WholeNumbersRoundHalvesToEvenWithinThe32BitRange)
{
    const std::pair<const char*, std::optional<std::int32_t>> rows[] = {
        {"1234.5", 1234}, {"1235.5", 1236}, {"-2.5", -2}, {"2.5001", 3}, {".5", 0}, {" +42\t", 42},
        {"1.234568E+07", 12345680}, {"-2147483648.5", INT32_MIN}, {"2147483647.5", {}},
        {"1e400", {}}, {"", {}}, {"12abc", {}}, {"+-5", {}}, {"nan", {}}, {".", {}}};
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(toWholeNumber(text), expected) << '"' << text << '"';
}

// Every key missing (the first run), stored with text that converts, then with text that does
// not or lies out of range: a colour one beyond the 32-bit range, or an opacity of 256, must not
// wrap but fall back to the key's default.
TEST(SettingsLoad, StoredTextConvertsOrFallsBackToTheKeysDefault)
{
    MemorySettings store;
    EXPECT_EQ(chooseStartWindow(store), StartWindow::Wizard);
    EXPECT_EQ(readWindowSettings(store),
              (WindowSettings{100000, 255, 65280, 8421504, 65535, 1935, 1230, true, 255}));
    store.values = {{"RunBefore", "0.4"}, {"MaxValue", "1235.5"}, {"DLColour", "2147483647"},
        {"ULColour", "-2147483648"}, {"BackColour", "-1"}, {"OverlapColour", "0"},
        {"Width", "12.5"}, {"Height", " 7"}, {"Float", "1"}, {"Opacity", "-0.5"}};
    EXPECT_EQ(chooseStartWindow(store), StartWindow::Meter);
    EXPECT_EQ(readWindowSettings(store),
              (WindowSettings{1236, INT32_MAX, INT32_MIN, -1, 0, 12, 7, true, 0}));
    store.values = {{"RunBefore", "maybe"}, {"MaxValue", "fast"}, {"DLColour", "2147483648"},
        {"ULColour", "-2147483649"}, {"BackColour", ""}, {"OverlapColour", "red"},
        {"Width", "wide"}, {"Height", "1e10"}, {"Float", "True"}, {"Opacity", "256"}};
    EXPECT_EQ(chooseStartWindow(store), StartWindow::Wizard);
    EXPECT_EQ(readWindowSettings(store),
              (WindowSettings{100000, 255, 65280, 8421504, 65535, 1935, 1230, false, 255}));
    store.values["RunBefore"] = "TRUE"; // a truth word in any letter case
    EXPECT_EQ(chooseStartWindow(store), StartWindow::Meter);
}

// WAYLAND_DISPLAY, DISPLAY, QT_QPA_PLATFORM (nullptr: unset; empty counts as unset), and the
// platform forced, if any.
TEST(PlatformChoice, XcbOnlyInAWaylandSessionWithXWaylandWhenTheUserNamedNoPlatform)
{
    const std::array<const char*, 4> rows[] = {{"wayland-0", ":0", nullptr, "xcb"},
        {"wayland-0", ":0", "", "xcb"}, {"wayland-0", ":0", "wayland", nullptr},
        {"wayland-0", "", nullptr, nullptr}, {nullptr, ":0", nullptr, nullptr}};
    for (const auto& row : rows)
        EXPECT_STREQ(forcedQpaPlatform(row[0], row[1], row[2]), row[3])
            << testing::PrintToString(row);
}
// clang-format on
