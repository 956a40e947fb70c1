// Writing the tool's outputs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace skingen {

// Writes `bytes` to `path`, replacing it; std::runtime_error naming the file
// when it cannot be written completely (a full disk shows at the close).
void WriteOutputFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace skingen
