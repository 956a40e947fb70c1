#include "app/LogFile.h"

#include <cstdint>

#include "files/OutputFile.h"

namespace app {

void WriteLogFile(const std::string& path, const std::vector<std::string>& lines) {
    std::vector<std::uint8_t> bytes;
    for (const std::string& line : lines) {
        bytes.insert(bytes.end(), line.begin(), line.end());
        bytes.push_back('\n');
    }
    files::WriteWholeFile(path, bytes);
}

}  // namespace app
