// A region as skin objects build it: the union of parts, each part a list
// of rectangles that do not overlap one another (a rectangle, or the runs of
// a masked bitmap). Parts may overlap; the Windows build combines them into
// one window region (win32/SkinRegion.h).
#pragma once

#include <vector>

#include "skin/gfx/Rect.h"

namespace skin {

struct SkinRegion {
    std::vector<std::vector<TRect>> parts;

    static SkinRegion FromRect(const TRect& rect) { return SkinRegion{{{rect}}}; }
    void Union(SkinRegion&& other) {
        for (auto& part : other.parts) parts.push_back(std::move(part));
    }
    bool Contains(int x, int y) const {
        for (const auto& part : parts)
            for (const TRect& r : part)
                if (RectContains(r, x, y)) return true;
        return false;
    }
};

}  // namespace skin
