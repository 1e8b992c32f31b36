#pragma once

#include "sampling/counter_source.h"

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarnivel {

// Turns the text of /proc/net/dev into rows (name, rx bytes, tx bytes). The two header lines are
// skipped, and so is every malformed row. Reuses the rows' storage. Returns the number of rows.
std::size_t parseProcNetDev(std::string_view text, std::vector<InterfaceCounters>& rows);

// Reads a file in /proc/net/dev format (64-bit counters). The path is injectable for tests.
class ProcNetDevSource final : public CounterSource {
public:
    explicit ProcNetDevSource(std::string path = "/proc/net/dev");

    // False when the file cannot be read or holds no parseable row.
    bool readTable(std::vector<InterfaceCounters>& rows) override;
    unsigned counterBits() const override { return 64; }

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::string m_path;
    // Kept open between readings: rewinding regenerates /proc files, and skips the path lookup.
    std::unique_ptr<std::FILE, FileCloser> m_file;
    std::string m_text; // kept between readings so that the file buffer is reused
};

} // namespace tarnivel
