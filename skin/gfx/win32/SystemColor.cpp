// System colours come from the user's current colour scheme.
#include <windows.h>

#include "skin/gfx/Pixel.h"

namespace skin {

TColor ResolveSystemColor(TColor color) {
    if (color >= 0) return color;
    return TColor(GetSysColor(int(unsigned(color) & 0xFF)));
}

}  // namespace skin
