#include "ui/settings/desktop_entry.h"
#include "ui/settings/settings_logic.h"

#include <gtest/gtest.h>
#include <optional>

namespace tarnivel {
namespace {

TEST(Transparency, PositionsAndOpacitiesBothWays)
{
    const int opacities[] = {255, 230, 204, 178, 153, 128, 102, 76, 51, 26};
    for (int p = 0; p < 10; ++p) {
        EXPECT_EQ(opacityForPosition(p), opacities[p]) << p;
        EXPECT_EQ(positionForOpacity(static_cast<std::uint8_t>(opacities[p])), p);
    }
    // Below 13 the rule gives 10, past the end of the list; positions outside it never
    // make an opacity beyond a byte.
    const std::pair<int, int> rows[] = {{13, 9}, {12, 9}, {5, 9}, {0, 9}, {242, 1}, {243, 0}};
    for (const auto& [opacity, position] : rows)
        EXPECT_EQ(positionForOpacity(static_cast<std::uint8_t>(opacity)), position) << opacity;
    EXPECT_EQ(opacityForPosition(-1), 255);
    EXPECT_EQ(opacityForPosition(10), 26);
}

TEST(Scale, ShownPlainAndCheckedWithTheDialogsMessages)
{
    EXPECT_EQ(scaleText(100000.0f), "100000");
    EXPECT_EQ(scaleText(10000000.0f), "10000000");
    EXPECT_EQ(scaleText(1234.5f), "1234.5");

    const struct {
        const char* text;
        std::int32_t value;
        std::string_view problem;
    } rows[] = {{"", 0, kNotNumeric},
                {"abc", 0, kNotNumeric},
                {"12a", 0, kNotNumeric},
                {"inf", 0, kNotNumeric},
                {"+-5", 0, kNotNumeric},
                {"0", 0, kOutOfRange},
                {"-5", -5, kOutOfRange},
                {"10000000", 10000000, kOutOfRange},
                {"0.4", 0, kOutOfRange},
                {"1e-999", 0, kOutOfRange},
                {"2147483648", 0, kTooLarge},
                {"1e999", 0, kTooLarge},
                {"1", 1, {}},
                {"9999999", 9999999, {}},
                {" 42\t", 42, {}},
                {"+7", 7, {}},
                {"1234.5", 1234, {}}, // halves to even
                {"1235.5", 1236, {}},
                {"1e3", 1000, {}}};
    for (const auto& r : rows) {
        const ScaleCheck got = checkScale(r.text);
        EXPECT_EQ(got.problem, r.problem) << '"' << r.text << '"';
        if (r.problem != kTooLarge && r.problem != kNotNumeric) {
            EXPECT_EQ(got.value, r.value) << r.text;
        }
    }
    EXPECT_EQ(problemText(kOutOfRange), "There was a problem with the value you chose:\n"
                                        "Please enter a value between 1 and 9999999");
}

TEST(FormatBytes, UnitsAboveStrictThresholdsTwoDecimalsHalvesAwayFromZero)
{
    const std::pair<double, const char*> rows[] = {
        {0, "0.00 bytes"},
        {1, "1.00 bytes"},
        {1024, "1024.00 bytes"},
        {1025, "1.00 kb"},
        {1152, "1.13 kb"}, // 1.125: the half goes up
        {1408, "1.38 kb"}, // 1.375
        {1536, "1.50 kb"},
        {-1536, "1.50 kb"},
        {1048576, "1024.00 kb"},
        {1048577, "1.00 Mb"},
        {1572864, "1.50 Mb"},
        {1073741824, "1024.00 Mb"},
        {1073741825, "1.00 Gb"},
        {6442450944, "6.00 Gb"},            // beyond 32 bits
        {5.0 * (1ull << 40), "5120.00 Gb"}, // no unit above Gb
    };
    for (const auto& [bytes, text] : rows)
        EXPECT_EQ(FormatBytes(bytes), text) << bytes;
    EXPECT_EQ(FormatBytes(1536, ','), "1,50 kb");
}

// Reads the Exec line's one argument back as the desktop entry rules have it: first the string
// escapes of the value, then the argument's quoting, then %% for a literal percent sign.
std::optional<std::string> execArgument(const std::string& entry)
{
    const std::size_t start = entry.find("\nExec=");
    if (start == std::string::npos)
        return std::nullopt;
    const std::size_t from = start + 6;
    const std::string raw = entry.substr(from, entry.find('\n', from) - from);
    std::string value;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            value += raw[i];
            continue;
        }
        if (++i == raw.size())
            return std::nullopt;
        const char* const from_to[] = {"s ", "n\n", "t\t", "r\r", "\\\\"};
        bool known = false;
        for (const char* pair : from_to)
            if (raw[i] == pair[0]) {
                value += pair[1];
                known = true;
            }
        if (!known)
            return std::nullopt;
    }
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return std::nullopt;
    std::string argument;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        char c = value[i];
        if (c == '\\') {
            c = value[++i];
            if (std::string_view("\"`$\\").find(c) == std::string_view::npos ||
                i + 1 >= value.size())
                return std::nullopt;
        } else if (c == '"' || c == '`' || c == '$') {
            return std::nullopt; // must have been escaped
        } else if (c == '%') {
            if (value[++i] != '%')
                return std::nullopt; // a field code
        }
        argument += c;
    }
    return argument;
}

TEST(DesktopEntry, TheExecLineGivesBackAnyPath)
{
    const std::string paths[] = {
        "/usr/bin/tarnivel",
        "/home/ann lee/My \"Apps\"/100% $HOME `id` back\\slash/Tarnivel",
        "/opt/tab\there/new\nline/%%u/\\\\/$$/tarnivel",
    };
    for (const std::string& path : paths) {
        const std::string entry = autostartEntry("Tarnivel", path);
        EXPECT_TRUE(entry.starts_with("[Desktop Entry]\nType=Application\nName=Tarnivel\n"))
            << entry;
        EXPECT_EQ(execArgument(entry), path) << entry;
    }
    EXPECT_EQ(autostartEntry("Tarnivel", "/a b/c$"),
              "[Desktop Entry]\nType=Application\nName=Tarnivel\nExec=\"/a b/c\\\\$\"\n");
}

TEST(DesktopEntry, HiddenOnlyByTheMainGroupsHiddenKey)
{
    const std::pair<const char*, bool> rows[] = {
        {"[Desktop Entry]\nExec=x\nHidden=true\n", true},
        {"[Desktop Entry]\r\nHidden = true\r\n", true},
        {"[Desktop Entry]\nHidden=True\n", false},
        {"[Desktop Entry]\nX-Hidden=true\nNoHidden=true\n", false},
        {"[Desktop Action quit]\nHidden=true\n[Desktop Entry]\nExec=x\n", false},
    };
    for (const auto& [text, hidden] : rows)
        EXPECT_EQ(isHiddenEntry(text), hidden) << text;
}

} // namespace
} // namespace tarnivel
