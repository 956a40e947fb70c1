#include <cstddef>
#include <new>

#include "skin/gfx/BitmapSurface.h"
#include "skin/SkinError.h"

namespace skin::detail {

BitmapSurface CreateBitmapSurface(int width, int height) {
    std::size_t count = std::size_t(width) * std::size_t(height);
    TPixel* bits = new (std::nothrow) TPixel[count]();
    if (bits == nullptr) throw SkinError(kDibAllocError);
    return BitmapSurface{bits, bits, nullptr};
}

void ReleaseBitmapSurface(BitmapSurface& surface) {
    delete[] surface.bits;
    surface = BitmapSurface{};
}

void SyncBitmapSurfaces() {}

}  // namespace skin::detail
