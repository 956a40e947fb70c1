#include "skin/gfx/TileLayout.h"

#include <algorithm>
#include <cstdint>

namespace skin {

void ForEachTile(const TRect& destination, const TRect& source, const TRect& within,
                 const std::function<void(const Tile&)>& visit) {
    if (!RectSizeFits(source) || RectIsEmpty(source) || RectIsEmpty(destination)) return;
    TRect shown = RectIntersection(destination, within);
    if (RectIsEmpty(shown)) return;
    // 64-bit positions: the destination may span the whole coordinate range.
    std::int64_t tw = RectWidth(source), th = RectHeight(source);
    std::int64_t width = std::int64_t{destination.Right} - destination.Left;
    std::int64_t height = std::int64_t{destination.Bottom} - destination.Top;
    std::int64_t columns = width / tw + (width % tw != 0 ? 1 : 0);
    std::int64_t rows = height / th + (height % th != 0 ? 1 : 0);
    std::int64_t firstColumn = (std::int64_t{shown.Left} - destination.Left) / tw;
    std::int64_t lastColumn = std::min(columns, (std::int64_t{shown.Right} - destination.Left + tw - 1) / tw);
    std::int64_t firstRow = (std::int64_t{shown.Top} - destination.Top) / th;
    std::int64_t lastRow = std::min(rows, (std::int64_t{shown.Bottom} - destination.Top + th - 1) / th);
    for (std::int64_t column = firstColumn; column < lastColumn; ++column) {
        std::int64_t left = destination.Left + column * tw;
        std::int64_t right = std::min<std::int64_t>(left + tw, destination.Right);
        for (std::int64_t row = firstRow; row < lastRow; ++row) {
            std::int64_t top = destination.Top + row * th;
            std::int64_t bottom = std::min<std::int64_t>(top + th, destination.Bottom);
            if (right <= left || bottom <= top) break;
            TRect tile = MakeRect(int(left), int(top), int(right), int(bottom));
            TRect part = (right - left == tw && bottom - top == th)
                             ? source
                             : MakeBounds(source.Left, source.Top, RectWidth(tile), RectHeight(tile));
            visit(Tile{tile, part});
        }
    }
}

}  // namespace skin
