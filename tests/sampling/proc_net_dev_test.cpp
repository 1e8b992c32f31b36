#include "sampling/proc_net_dev.h"

#include <fstream>
#include <gtest/gtest.h>
#include <optional>

namespace tarnivel {
namespace {

constexpr std::string_view kHeader =
    "Inter-|   Receive                                                |  Transmit\n"
    " face |bytes    packets errs drop fifo frame compressed multicast|bytes    packets errs "
    "drop fifo colls carrier compressed\n";

// Every field differs, so taking the wrong one shows: rx bytes is the 1st, tx bytes the 9th.
std::string fields(std::string_view rx = "111", std::string_view tx = "999")
{
    return std::string(rx) + " 2 3 4 5 6 7 8 " + std::string(tx) + " 10 11 12 13 14 15 16";
}

struct LineCase {
    const char* label;
    std::string line;
    std::optional<InterfaceCounters> expected; // nullopt: the row is skipped
};

void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.label;
}

class ProcNetDevLine : public testing::TestWithParam<LineCase> {};

TEST_P(ProcNetDevLine, ParsesOrSkipsOneRow)
{
    const LineCase& c = GetParam();
    std::vector<InterfaceCounters> rows;
    parseProcNetDev(std::string(kHeader) + c.line + "\n", rows);
    if (!c.expected) {
        EXPECT_TRUE(rows.empty());
        return;
    }
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, c.expected->name);
    EXPECT_EQ(rows[0].received, c.expected->received);
    EXPECT_EQ(rows[0].sent, c.expected->sent);
}

const std::string kLongName(300, 'n');

INSTANTIATE_TEST_SUITE_P(
    Rows, ProcNetDevLine,
    testing::Values(
        LineCase{"kernel_layout", "    lo:    " + fields(), InterfaceCounters{"lo", 111, 999}},
        LineCase{"glued_to_colon", "eth0:" + fields(), InterfaceCounters{"eth0", 111, 999}},
        LineCase{"name_with_space", "my if: " + fields(), InterfaceCounters{"my if", 111, 999}},
        LineCase{"name_with_colon", "eth0:1:" + fields(), InterfaceCounters{"eth0:1", 111, 999}},
        LineCase{"very_long_name", kLongName + ": " + fields(),
                 InterfaceCounters{kLongName, 111, 999}},
        LineCase{"extra_fields", "eth0: " + fields() + " 17", InterfaceCounters{"eth0", 111, 999}},
        LineCase{"at_2_31_and_2_32", "a: " + fields("2147483648", "4294967296"),
                 InterfaceCounters{"a", 2147483648u, 4294967296u}},
        LineCase{"above_2_53", "a: " + fields("9007199254740993", "18446744073709551615"),
                 InterfaceCounters{"a", 9007199254740993u, 18446744073709551615u}},
        LineCase{"above_2_64", "a: " + fields("18446744073709551616"), std::nullopt},
        LineCase{"truncated_fields", "eth0: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", std::nullopt},
        LineCase{"truncated_at_colon", "eth0:", std::nullopt},
        LineCase{"non_numeric", "eth0: " + fields("12x"), std::nullopt},
        LineCase{"negative", "eth0: " + fields("-1"), std::nullopt},
        LineCase{"empty_name", "   : " + fields(), std::nullopt}),
    [](const auto& p) { return std::string(p.param.label); });

TEST(ProcNetDev, EmptyTextGivesNoRows)
{
    std::vector<InterfaceCounters> rows{{"stale", 1, 2}};
    EXPECT_EQ(parseProcNetDev("", rows), 0u);
    EXPECT_TRUE(rows.empty());
}

TEST(ProcNetDevSource, ReadsSixtyFourInterfacesAroundMalformedRowsIntoReusedRows)
{
    const std::string dir = testing::TempDir();
    {
        std::ofstream file(dir + "net_dev_64"); // larger than the first read, which must grow
        file << kHeader;
        for (int i = 0; i < 64; ++i) {
            file << "veth" << i << ": " << fields(std::to_string(i)) << "\nbroken" << i
                 << ": 1 2\n";
        }
        std::ofstream(dir + "net_dev_headers") << kHeader;
    }
    std::vector<InterfaceCounters> rows(100, InterfaceCounters{"stale", 5, 5});
    ProcNetDevSource source(dir + "net_dev_64");
    EXPECT_EQ(source.counterBits(), 64u);
    ASSERT_TRUE(source.readTable(rows));
    ASSERT_EQ(rows.size(), 64u);
    EXPECT_EQ(rows[63].name, "veth63");
    EXPECT_EQ(rows[63].received, 63u);
    EXPECT_EQ(rows[63].sent, 999u);
    EXPECT_FALSE(ProcNetDevSource(dir + "net_dev_headers").readTable(rows));
    EXPECT_FALSE(ProcNetDevSource(dir + "net_dev_missing").readTable(rows));
}

} // namespace
} // namespace tarnivel
