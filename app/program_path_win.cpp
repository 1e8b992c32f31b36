#include "app/program_path.h"

#include <string>
#include <windows.h>

namespace tarnivel {

std::filesystem::path runningProgramPath()
{
    // GetModuleFileNameW truncates silently when the buffer is short (the result then fills it),
    // so grow the buffer up to the longest path the system has.
    constexpr std::size_t kLongestPath = 32768;
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return buffer;
        }
        if (buffer.size() >= kLongestPath)
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace tarnivel
