#include "app/program_path.h"

#include <string_view>
#include <system_error>

namespace tarnivel {

std::filesystem::path runningProgramPath()
{
    std::error_code error;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    // Once the file has been replaced (every package upgrade does it to a running program), the
    // kernel names it with this mark; the new file at the old place is the program to start.
    constexpr std::string_view kReplaced = " (deleted)";
    if (!std::filesystem::is_regular_file(path, error)) {
        const std::string& text = path.native();
        if (!text.ends_with(kReplaced))
            return {};
        path = text.substr(0, text.size() - kReplaced.size());
        if (!std::filesystem::is_regular_file(path, error))
            return {};
    }
    return path;
}

} // namespace tarnivel
