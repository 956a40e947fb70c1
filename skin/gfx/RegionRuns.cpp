#include "skin/gfx/RegionRuns.h"

#include "skin/gfx/SeBitmap.h"

namespace skin {

std::vector<TRect> RegionRuns(const TSeBitmap& bitmap, int x, int y) {
    std::vector<TRect> runs;
    if (bitmap.Empty() || bitmap.Width() == 0 || bitmap.Height() == 0) return runs;
    detail::SyncBitmapSurfaces();
    for (int r = 0; r < bitmap.Height(); ++r) {
        const TPixel* row = bitmap.PixelPtr(0, r);
        int c = 0;
        while (c < bitmap.Width()) {
            while (c < bitmap.Width() && IsKeyPixel(row[c])) ++c;
            if (c == bitmap.Width()) break;
            int start = c;
            while (c < bitmap.Width() && !IsKeyPixel(row[c])) ++c;
            runs.push_back(TRect{x + start, y + r, x + c, y + r + 1});
        }
    }
    return runs;
}

}  // namespace skin
