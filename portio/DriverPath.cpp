#include "portio/DriverPath.h"

#include "portio/DriverProtocol.h"

namespace portio {

std::string DriverPath(std::string_view programPath) {
    const std::size_t cut = programPath.find_last_of("\\/");
    if (cut == std::string_view::npos) return kDriverFileName;
    // Trailing separators are dropped so that a drive root ("C:\") and a
    // doubled separator still give exactly one before the file name.
    std::string_view directory = programPath.substr(0, cut);
    while (!directory.empty() && (directory.back() == '\\' || directory.back() == '/')) directory.remove_suffix(1);
    std::string path(directory);
    path += '\\';
    path += kDriverFileName;
    if (path.size() > kDriverPathLimit) path.resize(kDriverPathLimit);
    return path;
}

}  // namespace portio
