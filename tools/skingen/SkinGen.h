// skingen: builds the diagnostic window's built-in skin and writes it, as a
// skin file and as the engine's stored skin, renders a contact sheet, and
// draws the program's icon.
//
//   skingen [OUTPUT.ztkn] [--stream=FILE] [--contact-sheet=FILE.png] [--icon=FILE.ico]
//
// OUTPUT: the skin file, in the form its extension chooses (the compressed
// filter for .ztkn). --stream: the data of the engine's SkinStream property
// (a flag byte, then the compressed container), which the build puts into
// the window's form description. --icon: the program's icon file (16, 32
// and 48 pixels), which the build gives the program as its icon resource.
// At least one output must be given; the same source always gives the same
// bytes.
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
