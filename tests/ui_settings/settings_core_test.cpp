#include "ui/settings/desktop_entry.h"
#include "ui/settings/settings_logic.h"

#include <gtest/gtest.h>

using namespace tarnivel;

// Tables of rows kept dense by hand, a few related rows per line.
// clang-format off

// The dialog test covers "0" through the widgets; the rest, an empty box aside, is what the
// digits-only box cannot produce, one row per outcome and path.
TEST(Scale, ShownPlainAndChecked)
{
    EXPECT_EQ(scaleText(10000000.0f) + ' ' + scaleText(1234.5f), "10000000 1234.5");
    const std::tuple<const char*, std::int32_t, std::string_view> rows[] = {{"", 0, kNotNumeric},
        {"inf", 0, kNotNumeric}, {"1e-999", 0, outOfRangeProblem()}, {"1e999", 0, kTooLarge},
        {"2147483648", 0, kTooLarge}, {"0.4", 0, outOfRangeProblem()}, {" +1235.5\t", 1236, {}},
        {"1", 1, {}}, {"-2147483648", INT32_MIN, outOfRangeProblem()}, {"-3e9", 0, kTooLarge}};
    for (const auto& [text, value, problem] : rows)
        EXPECT_EQ(std::pair(checkScale(text).value, checkScale(text).problem),
                  std::pair(value, problem)) << text;
}

// clang-format on

// The autostart test has desktop-file-validate check the entry of a path full of characters to
// escape; this pins the one that validation cannot tell from a wrong one, the quote.
TEST(DesktopEntry, ExecQuotesThePathAndOnlyTheMainGroupsHiddenOrGnomeKeySwitchesItOff)
{
    EXPECT_EQ(
        autostartEntry("Tarnivel", "/a \"b\"/c%$"),
        "[Desktop Entry]\nType=Application\nName=Tarnivel\nExec=\"/a \\\\\"b\\\\\"/c%%\\\\$\"\n");
    const std::pair<const char*, bool> rows[] = {
        {"[Desktop Entry]\nExec=x\nHidden=true\n", true},
        {"[Desktop Entry]\nHidden=false\nX-GNOME-Autostart-enabled=false\n", true},
        {"[Desktop Entry]\r\nHidden = true\r\n", true},
        {"[Desktop Entry]\nHidden=True\nX-Hidden=true\nX-GNOME-Autostart-enabled=true\n", false},
        {"[Desktop Action quit]\nHidden=true\n[Desktop Entry]\nExec=x\n", false},
        {"Hidden=true\n[Desktop Entry]\nExec=x\n", false}};
    for (const auto& [text, hidden] : rows)
        EXPECT_EQ(isSwitchedOffEntry(text), hidden) << text;
}
