#include "sampling/proc_net_dev.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tarnivel {
namespace {

constexpr std::string_view kHeader = "Inter-| Receive | Transmit\n face |bytes ...|bytes ...\n";

// Every field differs, so taking the wrong one shows: rx bytes is the 1st, tx bytes the 9th.
std::string fields(std::string_view rx = "111", std::string_view tx = "999")
{
    return std::string(rx) + " 2 3 4 5 6 7 8 " + std::string(tx) + " 10 11 12 13 14 15 16";
}

std::string dump(const std::vector<InterfaceCounters>& rows)
{
    std::string out;
    for (const InterfaceCounters& row : rows) {
        out += row.name + ' ' + std::to_string(row.received) + ' ' + std::to_string(row.sent) + ';';
    }
    return out;
}

TEST(ProcNetDev, ParsesGoodRowsAndSkipsMalformedOnes)
{
    const std::pair<std::string, std::string> lines[] = {
        // what each line parses to; "": skipped
        {"    lo:    " + fields(), "lo 111 999;"},
        {"eth0: 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15", ""},
        {"eth0:" + fields(), "eth0 111 999;"},
        {"my if: " + fields(), "my if 111 999;"},
        {"eth0:1:" + fields(), "eth0:1 111 999;"},
        {"eth0: " + fields("12x"), ""},
        {std::string(300, 'n') + ": " + fields(), std::string(300, 'n') + " 111 999;"},
        {"eth0: " + fields("-1"), ""},
        {"eth0: " + fields() + " 17", "eth0 111 999;"}, // a later kernel's extra field
        {"   : " + fields(), ""},
        {"a: " + fields("2147483648", "4294967296"), "a 2147483648 4294967296;"},
        {"a: " + fields("18446744073709551616"), ""},
        {"a: " + fields("9007199254740993", "18446744073709551615"),
         "a 9007199254740993 18446744073709551615;"},
    };
    std::string text(kHeader);
    std::string expected;
    for (const auto& [line, row] : lines) {
        text += line + '\n';
        expected += row;
    }
    std::vector<InterfaceCounters> rows{{"stale", 1, 2}};
    EXPECT_EQ(parseProcNetDev(text + "cut: 1 2", rows), 8u); // the last line cut short
    EXPECT_EQ(dump(rows), expected);
    EXPECT_EQ(parseProcNetDev("", rows), 0u);
    EXPECT_TRUE(rows.empty());
}

TEST(ProcNetDevSource, ReadsSixtyFourInterfacesAroundMalformedRowsAtEachReading)
{
    const std::string path = testing::TempDir() + "net_dev_64";
    ProcNetDevSource source(path);
    std::vector<InterfaceCounters> rows(100, {"stale", 5, 5});
    for (const int base : {0, 1000}) { // the file stays open, and is read afresh each time
        std::string text(kHeader);
        std::string expected;
        for (int i = 0; i < 64; ++i) { // more than the first read takes
            text += "veth: " + fields(std::to_string(base + i)) + "\nbad: " + fields("x") + '\n';
            expected += "veth " + std::to_string(base + i) + " 999;";
        }
        std::ofstream(path) << text;
        EXPECT_TRUE(source.readTable(rows));
        EXPECT_EQ(dump(rows), expected);
    }
    std::ofstream(path) << kHeader;
    EXPECT_FALSE(source.readTable(rows));
    EXPECT_FALSE(ProcNetDevSource(path + "_missing").readTable(rows));
}

} // namespace
} // namespace tarnivel
