// A name in single quotes, as both programs' messages write the names of
// files, devices and groups: 'flash.bin', '/dev/parport0', 'lp'.
#pragma once

#include <string>

namespace files {

inline std::string Quoted(const std::string& name) { return "'" + name + "'"; }

}  // namespace files
