// formconv: converts a stored form description between its text form and
// its binary form. The build uses it to turn the window's text description
// into the binary resource embedded in the program.
//
//   formconv text2bin INPUT OUTPUT
//   formconv bin2text INPUT OUTPUT
//   formconv setbinary INPUT OBJECT.PROPERTY DATA OUTPUT
//       sets the binary property of the named object in the binary form
//       INPUT to the bytes of the file DATA
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace framework {

// Runs formconv with `args` (without the program name), messages on `err`.
// Returns 0 on success, 1 when the conversion failed, 2 for a usage error.
int RunFormConvert(const std::vector<std::string>& args, std::FILE* err);

}  // namespace framework
