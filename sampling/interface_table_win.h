#pragma once

#include "sampling/counter_source.h"

// MinGW's iphlpapi.h needs ws2ipdef.h first, and both need winsock2.h before windows.h.
// clang-format off
#include <winsock2.h>
#include <ws2ipdef.h>
#include <windows.h>
#include <iphlpapi.h>
// clang-format on

#include <vector>

namespace tarnivel {

// The rows of GetIfTable2's table that count, each interface once: every interface, loopback,
// tunnels and interfaces that are down included, but not the rows of the filter modules (packet
// schedulers, firewall layers) stacked on an adapter, which repeat that adapter's counters.
void readInterfaceTable(const MIB_IF_TABLE2& table, std::vector<InterfaceCounters>& rows);

} // namespace tarnivel
