// Where the port driver's file is expected: next to the program.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace portio {

// Paths handed to the service manager are limited to this many characters.
inline constexpr std::size_t kDriverPathLimit = 255;

// The driver file's path for the program file at `programPath`: the
// program's directory, exactly one "\" and "zlportio.sys", cut at 255
// characters. Both "\" and "/" count as separators. A path without any
// separator (never produced by the system) gives the file name alone.
std::string DriverPath(std::string_view programPath);

}  // namespace portio
