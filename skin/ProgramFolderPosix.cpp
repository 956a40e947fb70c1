#include <filesystem>
#include <system_error>

#include "skin/ProgramFolder.h"

namespace skin {

std::string ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return {};
    return program.parent_path().string() + "/";
}

}  // namespace skin
