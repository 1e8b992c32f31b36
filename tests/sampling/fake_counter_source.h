#pragma once

#include "sampling/counter_source.h"

#include <deque>
#include <optional>

namespace tarnivel::testing_support {

using Table = std::optional<std::vector<InterfaceCounters>>; // nullopt: the reading fails

// Hands out scripted tables, one per reading; fails once they run out.
class FakeCounterSource final : public CounterSource {
public:
    explicit FakeCounterSource(unsigned bits = 64) : m_bits(bits) {}
    void push(Table table) { m_tables.push_back(std::move(table)); }
    bool readTable(std::vector<InterfaceCounters>& rows) override
    {
        Table next;
        if (!m_tables.empty()) {
            next = std::move(m_tables.front());
            m_tables.pop_front();
        }
        if (next) {
            rows = *next;
        }
        return next.has_value();
    }
    unsigned counterBits() const override { return m_bits; }

private:
    unsigned m_bits;
    std::deque<Table> m_tables;
};

} // namespace tarnivel::testing_support
