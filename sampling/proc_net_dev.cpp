#include "sampling/proc_net_dev.h"

#include "app/text.h"

#include <charconv>
#include <cstdio>
#include <utility>

namespace tarnivel {
namespace {

constexpr std::size_t kHeaderLines = 2;
constexpr std::size_t kFieldCount = 16; // 8 receive fields, then 8 transmit fields
constexpr std::size_t kReceivedBytesField = 0;
constexpr std::size_t kSentBytesField = 8;
// Anything larger is not the interface table (a wrong path such as /dev/zero, say).
constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;
constexpr std::size_t kFirstReadBytes = 4096;

// The numbers after the colon: all of them must be whole and in range, and there must be at least
// the 16 the kernel prints (later kernels may append more).
bool parseFields(std::string_view s, std::uint64_t& received, std::uint64_t& sent)
{
    std::size_t count = 0;
    const char* p = s.data();
    const char* const end = p + s.size();
    for (;;) {
        while (p != end && isBlank(*p)) {
            ++p;
        }
        if (p == end) {
            break;
        }
        std::uint64_t value = 0;
        const auto [next, ec] = std::from_chars(p, end, value);
        if (ec != std::errc{} || (next != end && !isBlank(*next))) {
            return false;
        }
        if (count == kReceivedBytesField) {
            received = value;
        } else if (count == kSentBytesField) {
            sent = value;
        }
        ++count;
        p = next;
    }
    return count >= kFieldCount;
}

} // namespace

std::size_t parseProcNetDev(std::string_view text, std::vector<InterfaceCounters>& rows)
{
    std::size_t count = 0;
    for (std::size_t lineNumber = 0; !text.empty(); ++lineNumber) {
        const std::size_t eol = text.find('\n');
        const std::string_view line = text.substr(0, eol);
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (lineNumber < kHeaderLines) {
            continue;
        }
        // The kernel prints "name:" and then the numbers, which hold no colon; a name may, so the
        // last colon is the separator. Searched forwards: find() is memchr, rfind() a byte loop.
        std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) {
            continue;
        }
        for (std::size_t next; (next = line.find(':', colon + 1)) != std::string_view::npos;) {
            colon = next;
        }
        const std::string_view name = trimmed(line.substr(0, colon));
        std::uint64_t received = 0;
        std::uint64_t sent = 0;
        if (name.empty() || !parseFields(line.substr(colon + 1), received, sent)) {
            continue;
        }
        if (count < rows.size()) {
            rows[count].name.assign(name); // keeps the string's storage
            rows[count].received = received;
            rows[count].sent = sent;
        } else {
            rows.push_back({std::string(name), received, sent});
        }
        ++count;
    }
    rows.resize(count);
    return count;
}

ProcNetDevSource::ProcNetDevSource(std::string path) : m_path(std::move(path)) {}

bool ProcNetDevSource::readTable(std::vector<InterfaceCounters>& rows)
{
    if (m_file) {
        std::rewind(m_file.get()); // also clears the end-of-file and error marks
    } else {
        m_file.reset(std::fopen(m_path.c_str(), "rb"));
        if (!m_file) {
            return false;
        }
        // Unbuffered: each read goes straight into m_text, which keeps its size between readings.
        std::setvbuf(m_file.get(), nullptr, _IONBF, 0);
    }
    if (m_text.size() < kFirstReadBytes) {
        m_text.resize(kFirstReadBytes);
    }
    std::size_t used = 0;
    for (;;) {
        if (used == m_text.size()) {
            if (m_text.size() >= kMaxFileBytes) {
                m_file.reset();
                return false;
            }
            m_text.resize(m_text.size() * 2);
        }
        const std::size_t n =
            std::fread(m_text.data() + used, 1, m_text.size() - used, m_file.get());
        if (n == 0) {
            break;
        }
        used += n;
    }
    if (std::ferror(m_file.get()) != 0) {
        m_file.reset(); // open it afresh next time
        return false;
    }
    return parseProcNetDev(std::string_view(m_text.data(), used), rows) > 0;
}

} // namespace tarnivel
