// System colours on a platform without a colour scheme: the classic
// standard scheme, so that portable code and its tests see stable values.
#include "framework/IdentMaps.h"

#include <array>

namespace framework {

TColor ResolveSystemColor(TColor color) {
    if (color >= 0) return color;
    // Colour values (0x00BBGGRR) by system colour index.
    static constexpr std::array<TColor, 31> kScheme = {
        0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
        0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
        0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
        0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xC8D0D4, 0xC8D0D4};
    unsigned index = unsigned(color) & 0xFF;
    return index < kScheme.size() ? kScheme[index] : 0;
}

}  // namespace framework
