// The program's icon: a flash cartridge seen from the front (a slate body
// with its top right corner cut off, a light label holding a chip, three
// gold contacts along the bottom edge), drawn at any size with soft edges.
#pragma once

#include <array>

namespace skin {
class TSeBitmap;
}

namespace skingen {

// The sizes the icon file holds: the small icon, the large one and the one
// shells show in their larger views.
inline constexpr std::array<int, 3> kProgramIconSizes = {16, 32, 48};

// Paints the icon `size` pixels square into `target` (sized to it) with
// straight alpha; outside the cartridge the pixels are fully transparent.
void PaintProgramIcon(int size, skin::TSeBitmap& target);

}  // namespace skingen
