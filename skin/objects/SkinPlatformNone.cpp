// Without a platform drawing surface: no off-screen canvas and no screen
// to measure text on. Layout then measures texts as 0 wide unless a
// measure is set (SetTextMeasure), and masked objects have no shape.
#include "skin/objects/SkinCanvas.h"

namespace skin {

std::unique_ptr<SkinCanvas> CreateBitmapCanvas(TSeBitmap&) { return nullptr; }

bool HasBitmapCanvas() { return false; }

int ScreenTextWidth(const framework::TFont&, const std::wstring&) { return 0; }

}  // namespace skin

#include "skin/SkinEngine.h"

namespace skin {

// No windows, so no forms to tell.
void BroadcastSkinMessage(unsigned, TSeSkinEngine&) {}

}  // namespace skin
