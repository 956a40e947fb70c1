#include "skin/SkinRegionWin.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace skin {

namespace {

HRGN PartRegion(const std::vector<TRect>& rects) {
    std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = DWORD(rects.size());
    RECT bound{0, 0, 0, 0};
    for (const TRect& r : rects) {
        if (bound.left == bound.right) {
            bound = RECT{r.Left, r.Top, r.Right, r.Bottom};
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

}  // namespace

HRGN CreateRegionHandle(const SkinRegion& region) {
    HRGN result = CreateRectRgn(0, 0, 0, 0);
    if (!result) return nullptr;
    for (const auto& part : region.parts) {
        if (part.empty()) continue;
        HRGN piece = PartRegion(part);
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
