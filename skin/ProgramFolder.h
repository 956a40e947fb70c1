// The folder of the running program's file, with a separator at its end
// (empty when the system does not tell): skin files are looked for there.
#pragma once

#include <string>

namespace skin {

std::string ProgramFolder();

}  // namespace skin
