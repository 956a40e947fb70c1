#include "skinui/frame/Gravitation.h"

#include <algorithm>
#include <cstdint>

namespace skinui {

namespace {

// The shift that puts the near edge onto the area's: the first edge checked
// wins when both are close. Distances are 64-bit, as coordinates may be
// anywhere.
int Snap(int low, int high, int areaLow, int areaHigh, int size) {
    const auto close = [size](int a, int b) {
        const std::int64_t d = std::int64_t{a} - b;
        return (d < 0 ? -d : d) < size;
    };
    if (close(low, areaLow)) return areaLow - low;
    if (close(high, areaHigh)) return areaHigh - high;
    return 0;
}

}  // namespace

skin::TRect ApplyGravitation(const skin::TRect& moved, const skin::TRect& area, const TSeGravitation& gravitation,
                             int shadowSize) {
    if (!gravitation.Enabled()) return moved;
    const int shadow = std::max(shadowSize, 0);
    const int right = moved.Right - shadow, bottom = moved.Bottom - shadow;
    const int dx = Snap(moved.Left, right, area.Left, area.Right, gravitation.Size());
    const int dy = Snap(moved.Top, bottom, area.Top, area.Bottom, gravitation.Size());
    return skin::RectOffset(moved, dx, dy);
}

}  // namespace skinui
