#include "skin/RegionFromBitmap.h"

#include <cstring>
#include <vector>

#include "skin/RegionRuns.h"

namespace skin {

HRGN RegionFromBitmap(const TSeBitmap& bitmap, int x, int y) {
    if (bitmap.Empty() || bitmap.Width() == 0 || bitmap.Height() == 0) return nullptr;
    std::vector<TRect> runs = RegionRuns(bitmap, x, y);

    std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    RGNDATAHEADER header{};
    header.dwSize = sizeof(RGNDATAHEADER);
    header.iType = RDH_RECTANGLES;
    header.nCount = DWORD(runs.size());
    header.nRgnSize = 0;
    // The bounds enclose the runs where they really are, offset included.
    header.rcBound = RECT{x, y, x + bitmap.Width(), y + bitmap.Height()};
    std::memcpy(data.data(), &header, sizeof(header));
    unsigned char* out = data.data() + sizeof(RGNDATAHEADER);
    for (const TRect& run : runs) {
        RECT r{run.Left, run.Top, run.Right, run.Bottom};
        std::memcpy(out, &r, sizeof(r));
        out += sizeof(r);
    }
    return ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
}

}  // namespace skin
