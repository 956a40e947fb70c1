#include "skin/gfx/win32/RegionFromBitmap.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "skin/gfx/RegionRuns.h"
#include "skin/gfx/win32/RectConversion.h"

namespace skin {

HRGN RegionFromRects(const std::vector<TRect>& rects) {
    std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = DWORD(rects.size());
    RECT bound{0, 0, 0, 0};
    for (const TRect& r : rects) {
        if (bound.left == bound.right) {
            bound = ToRECT(r);
            continue;
        }
        bound.left = std::min<LONG>(bound.left, r.Left);
        bound.top = std::min<LONG>(bound.top, r.Top);
        bound.right = std::max<LONG>(bound.right, r.Right);
        bound.bottom = std::max<LONG>(bound.bottom, r.Bottom);
    }
    header.rcBound = bound;
    std::memcpy(data.data(), &header, sizeof(header));
    unsigned char* out = data.data() + sizeof(RGNDATAHEADER);
    for (const TRect& r : rects) {
        RECT w{r.Left, r.Top, r.Right, r.Bottom};
        std::memcpy(out, &w, sizeof(w));
        out += sizeof(w);
    }
    return ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
}

HRGN RegionFromBitmap(const TSeBitmap& bitmap, int x, int y) {
    if (bitmap.Empty() || bitmap.Width() == 0 || bitmap.Height() == 0) return nullptr;
    return RegionFromRects(RegionRuns(bitmap, x, y));
}

}  // namespace skin
