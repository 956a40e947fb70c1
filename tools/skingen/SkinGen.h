// skingen: builds the diagnostic window's built-in skin in memory and
// renders a contact sheet of it.
//
//   skingen [OUTPUT.ztkn] [--contact-sheet=FILE.png]
//
// At least one of the two must be given. OUTPUT names the skin file to
// write; writing skin files is not part of the tool yet, so a run that
// names one reports that it was not written and fails.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace skingen {

// Runs skingen with `args` (without the program name), messages on `err`.
// Returns 0 on success, 1 when an output could not be produced, 2 for a
// usage error.
int RunSkinGen(const std::vector<std::string>& args, std::FILE* err);

}  // namespace skingen
