// The interface table of Windows: GetIfTable2's rows with their 64-bit octet counters.
#include "sampling/counter_source.h"

// MinGW's iphlpapi.h needs ws2ipdef.h first, and both need winsock2.h before windows.h.
// clang-format off
#include <winsock2.h>
#include <ws2ipdef.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on

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

        // Every row counts, the loopback interface and interfaces that are down included.
        rows.resize(table->NumEntries);
        for (ULONG i = 0; i < table->NumEntries; ++i) {
            const MIB_IF_ROW2& row = table->Table[i];
            // The LUID names an interface for as long as it exists; unlike the index it is not
            // handed on to the next interface that comes up.
            char digits[24];
            const auto end = std::to_chars(digits, digits + sizeof digits, row.InterfaceLuid.Value);
            rows[i].name.assign(digits, end.ptr);
            rows[i].received = row.InOctets;
            rows[i].sent = row.OutOctets;
        }
        return true;
    }

    unsigned counterBits() const override { return 64; }
};

} // namespace

std::unique_ptr<CounterSource> makeSystemCounterSource()
{
    return std::make_unique<IfTable2Source>();
}

} // namespace tarnivel
