#include "app/program_path.h"

#include <system_error>

namespace tarnivel {

std::filesystem::path runningProgramPath()
{
    std::error_code error;
    auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : path;
}

} // namespace tarnivel
