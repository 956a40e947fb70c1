// System colours come from the user's current colour scheme.
#include <windows.h>

#include "framework/IdentMaps.h"

namespace framework {

TColor ResolveSystemColor(TColor color) {
    if (color >= 0) return color;
    return TColor(GetSysColor(int(unsigned(color) & 0xFF)));
}

}  // namespace framework
