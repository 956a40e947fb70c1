// The steps both control bases paint through: the surface chosen by
// Performance, the translucency over the parent's look, and the request for
// that look.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "framework/win32/Control.h"
#include "skin/gfx/SeBitmap.h"
#include "skinui/controls/ControlGeometry.h"
#include "skinui/controls/ParentBackground.h"
#include "skinui/controls/SeBlending.h"

namespace skinui {

// Where a paint draws: the shared buffer, a buffer of its own (freed with
// the surface, also when a step fails), or the target itself (no buffer).
struct PaintSurface {
    std::unique_ptr<skin::TSeBitmap> own;
    skin::TSeBitmap* buffer = nullptr;
};
// `keyFill`: the buffer's part in use starts as the key colour.
PaintSurface ChoosePaintSurface(TSePerformance performance, int width, int height, bool keyFill);

// With blending on, the parent's look (drawn by `drawParentBackground` into
// `blendBuffer`) under the surface's pixels at Blending.Value's alpha.
void BlendOverParent(PaintSurface& surface, const TSeBlending& blending, std::unique_ptr<skin::TSeBitmap>& blendBuffer,
                     int width, int height, const std::function<void(HDC)>& drawParentBackground);

// Sends the parent the request for its look into `dc`, whose origin is moved
// by -offset meanwhile: to a form's window (so that a skinned frame can
// answer), directly to any other parent.
void AskParentForBackground(framework::TControl& parent, HDC dc, POINT offset, const ParentBackgroundRequest& request);

}  // namespace skinui
