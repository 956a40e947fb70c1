#include "skin/objects/win32/SkinRegion.h"

#include "skin/gfx/win32/RegionFromBitmap.h"

namespace skin {

HRGN CreateRegionHandle(const SkinRegion& region) {
    HRGN result = CreateRectRgn(0, 0, 0, 0);
    if (!result) return nullptr;
    for (const auto& part : region.parts) {
        if (part.empty()) continue;
        HRGN piece = RegionFromRects(part);
        if (!piece) {
            DeleteObject(result);
            return nullptr;
        }
        CombineRgn(result, result, piece, RGN_OR);
        DeleteObject(piece);
    }
    return result;
}

}  // namespace skin
