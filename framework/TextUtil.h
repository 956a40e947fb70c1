// Small helpers for the 8-bit texts of the stored formats.
#pragma once

#include <string_view>

namespace framework {

// Equal without regard to ASCII letter case, as names of properties,
// components and identifiers are compared.
bool SameText(std::string_view a, std::string_view b);

}  // namespace framework
