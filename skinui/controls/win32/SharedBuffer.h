// The one paint buffer that every control in the shared-buffer mode draws
// into: made empty, sized to the screen + 500 pixels each way on first use,
// never shrunk, freed at the end of the program.
#pragma once

#include "skin/gfx/SeBitmap.h"

namespace skinui {

skin::TSeBitmap& SharedBuffer();
// The buffer, sized on first use.
skin::TSeBitmap& SizedSharedBuffer();

}  // namespace skinui
