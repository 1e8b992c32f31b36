#include "ui/settings/desktop_entry.h"
#include "ui/settings/settings_logic.h"

#include <gtest/gtest.h>
#include <regex>

namespace tarnivel {
namespace {

TEST(Transparency, PositionsAndOpacitiesBothWays)
{
    const int opacities[] = {255, 230, 204, 178, 153, 128, 102, 76, 51, 26};
    for (int p = 0; p < 10; ++p) {
        EXPECT_EQ(opacityForPosition(p), opacities[p]) << p;
        EXPECT_EQ(positionForOpacity(static_cast<std::uint8_t>(opacities[p])), p);
    }
    // Halves to even at the edges; below 13 the rule gives 10, which the list lacks.
    for (const auto& [opacity, position] : {std::pair{242, 1}, {243, 0}, {12, 9}, {0, 9}})
        EXPECT_EQ(positionForOpacity(static_cast<std::uint8_t>(opacity)), position) << opacity;
    EXPECT_EQ(opacityForPosition(-1), 255);
    EXPECT_EQ(opacityForPosition(10), 26);
}

TEST(Scale, ShownPlainAndChecked)
{
    EXPECT_EQ(scaleText(10000000.0f), "10000000");
    EXPECT_EQ(scaleText(1234.5f), "1234.5");
    // The dialog test covers "", "0" and "9999999" through the widgets.
    const struct {
        const char* text;
        std::int32_t value; // checked only for a number
        std::string_view problem;
    } rows[] = {{"12a", 0, kNotNumeric},
                {"inf", 0, kNotNumeric},
                {"+-5", 0, kNotNumeric},
                {"-5", -5, outOfRangeProblem()},
                {"10000000", 0, outOfRangeProblem()},
                {"0.4", 0, outOfRangeProblem()},
                {"1e-999", 0, outOfRangeProblem()},
                {"2147483648", 0, kTooLarge},
                {"1e999", 0, kTooLarge},
                {" 42\t", 42, {}},
                {"1234.5", 1234, {}},
                {"1235.5", 1236, {}},
                {"1e3", 1000, {}},
                {"1", 1, {}}};
    for (const auto& r : rows) {
        const ScaleCheck got = checkScale(r.text);
        EXPECT_EQ(got.problem, r.problem) << '"' << r.text << '"';
        EXPECT_TRUE(!r.problem.empty() || got.value == r.value) << r.text;
    }
}

TEST(FormatBytes, UnitsAboveStrictThresholdsTwoDecimalsHalvesAwayFromZero)
{
    const std::pair<double, const char*> rows[] = {
        {0, "0.00 bytes"},       {1024, "1024.00 bytes"},           {1025, "1.00 kb"},
        {1152, "1.13 kb"}, // 1.125: the half goes up
        {-1536, "1.50 kb"},      {1048576, "1024.00 kb"},           {1048577, "1.00 Mb"},
        {1572864, "1.50 Mb"},    {1073741824, "1024.00 Mb"},        {1073741825, "1.00 Gb"},
        {6442450944, "6.00 Gb"}, {5.0 * (1ull << 40), "5120.00 Gb"}};
    for (const auto& [bytes, text] : rows)
        EXPECT_EQ(FormatBytes(bytes), text) << bytes;
    EXPECT_EQ(FormatBytes(1536, ','), "1,50 kb");
}

// Undoes one level of backslash escapes: an escape of from[k] stands for to[k].
std::string unescape(std::string_view s, std::string_view from, std::string_view to)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::size_t k = s[i] == '\\' && i + 1 < s.size() ? from.find(s[i + 1]) : from.npos;
        out += k == from.npos ? s[i] : to[k];
        i += k != from.npos;
    }
    return out;
}

// Reads the Exec line's one quoted argument back as desktop entries define it: the value's string
// escapes, then the argument's backslashes, then %% for a percent sign. What may not stand
// unescaped is left to desktop-file-validate (the autostart test).
std::string execArgument(const std::string& entry)
{
    const std::size_t at = entry.find("\nExec=") + 6;
    std::string value =
        unescape(entry.substr(at, entry.find('\n', at) - at), "sntr\\", " \n\t\r\\");
    value = unescape(value.substr(1, value.size() - 2), "\"`$\\", "\"`$\\");
    return std::regex_replace(value, std::regex("%%"), "%");
}

TEST(DesktopEntry, TheExecLineGivesBackAnyPath)
{
    for (const std::string path : {"/home/ann lee/My \"Apps\"/100% $HOME `id` back\\slash/T",
                                   "/opt/tab\there/new\nline/%%u/\\\\/$$/tarnivel"})
        EXPECT_EQ(execArgument(autostartEntry("Tarnivel", path)), path) << path;
    EXPECT_EQ(autostartEntry("Tarnivel", "/a b/c$"),
              "[Desktop Entry]\nType=Application\nName=Tarnivel\nExec=\"/a b/c\\\\$\"\n");
}

TEST(DesktopEntry, SwitchedOffOnlyByTheMainGroupsHiddenOrGnomeKey)
{
    const std::pair<const char*, bool> rows[] = {
        {"[Desktop Entry]\nExec=x\nHidden=true\n", true},
        {"[Desktop Entry]\nExec=x\nHidden=false\nX-GNOME-Autostart-enabled=false\n", true},
        {"[Desktop Entry]\nX-GNOME-Autostart-enabled=true\n", false},
        {"[Desktop Entry]\r\nHidden = true\r\n", true},
        {"[Desktop Entry]\nHidden=True\n", false},
        {"[Desktop Entry]\nX-Hidden=true\nNoHidden=true\n", false},
        {"[Desktop Action quit]\nHidden=true\n[Desktop Entry]\nExec=x\n", false},
    };
    for (const auto& [text, hidden] : rows)
        EXPECT_EQ(isSwitchedOffEntry(text), hidden) << text;
}

} // namespace
} // namespace tarnivel
