// The interface table of Windows: GetIfTable's rows with their 32-bit octet counters.
#include "sampling/counter_source.h"

// winsock2.h must come before windows.h, which iphlpapi.h includes.
// clang-format off
#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on

#include <string>
#include <vector>

namespace tarnivel {

namespace {

class IfTableSource final : public CounterSource {
public:
    bool readTable(std::vector<InterfaceCounters>& rows) override
    {
        // Ask for the size, then read; an interface that appears in between makes the second
        // call fail with ERROR_INSUFFICIENT_BUFFER, and the next reading tries again.
        ULONG size = 0;
        if (GetIfTable(nullptr, &size, FALSE) != ERROR_INSUFFICIENT_BUFFER || size == 0)
            return false;
        m_buffer.resize(size);
        auto* table = reinterpret_cast<MIB_IFTABLE*>(m_buffer.data());
        if (GetIfTable(table, &size, FALSE) != NO_ERROR)
            return false;

        rows.resize(table->dwNumEntries);
        for (DWORD i = 0; i < table->dwNumEntries; ++i) {
            const MIB_IFROW& row = table->table[i];
            // The interface index identifies an interface for as long as it exists.
            rows[i].name = std::to_string(row.dwIndex);
            rows[i].received = row.dwInOctets;
            rows[i].sent = row.dwOutOctets;
        }
        return true;
    }

    unsigned counterBits() const override { return 32; }

private:
    std::vector<unsigned char> m_buffer;
};

} // namespace

std::unique_ptr<CounterSource> makeSystemCounterSource()
{
    return std::make_unique<IfTableSource>();
}

} // namespace tarnivel
