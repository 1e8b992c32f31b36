// The interface table of Windows: GetIfTable2's rows with their 64-bit octet counters.
#include "sampling/interface_table_win.h"

#include <charconv>
#include <memory>
#include <vector>

namespace tarnivel {

namespace {

struct MibTableFree {
    void operator()(MIB_IF_TABLE2* table) const { FreeMibTable(table); }
};

class IfTable2Source final : public CounterSource {
public:
    bool readTable(std::vector<InterfaceCounters>& rows) override
    {
        MIB_IF_TABLE2* raw = nullptr;
        if (GetIfTable2(&raw) != NO_ERROR)
            return false;
        const std::unique_ptr<MIB_IF_TABLE2, MibTableFree> table(raw);
        readInterfaceTable(*table, rows);
        return true;
    }

    unsigned counterBits() const override { return 64; }
};

} // namespace

void readInterfaceTable(const MIB_IF_TABLE2& table, std::vector<InterfaceCounters>& rows)
{
    std::size_t count = 0;
    for (ULONG i = 0; i < table.NumEntries; ++i) {
        const MIB_IF_ROW2& row = table.Table[i];
        // A filter module (a lightweight filter such as the QoS packet scheduler or a WFP MAC
        // layer) is listed as an interface of its own that sees, and counts, every byte of the
        // adapter below it.
        if (row.InterfaceAndOperStatusFlags.FilterInterface)
            continue;
        // The LUID names an interface for as long as it exists; unlike the index it is not
        // handed on to the next interface that comes up.
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, row.InterfaceLuid.Value);
        if (count == rows.size())
            rows.emplace_back();
        InterfaceCounters& out = rows[count++];
        out.name.assign(digits, end.ptr);
        out.received = row.InOctets;
        out.sent = row.OutOctets;
    }
    rows.resize(count);
}

std::unique_ptr<CounterSource> makeSystemCounterSource()
{
    return std::make_unique<IfTable2Source>();
}

} // namespace tarnivel
