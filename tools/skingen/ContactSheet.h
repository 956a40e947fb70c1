// Pictures of a built skin for people to look at: the frame drawn as a
// window shows it, and a contact sheet of every bitmap (enlarged, on a
// checkerboard where pixels are transparent) with frame previews below.
#pragma once

#include <string>
#include <vector>

#include "skin/gfx/Rect.h"

namespace skin {
class TSeBitmap;
class TSeSkinSource;
}  // namespace skin

namespace skingen {

enum class CaptionButtons {
    kCloseOnly,  // as the diagnostic window shows them
    kAll,        // minimize, maximize and close, close hot and minimize pressed
};

// A copy of the source's form object laid out to `width` x `height` at
// (0, 0) and drawn into `out` (made that size, the key colour where the
// frame leaves the window's shape), with `caption` in its title.
void RenderFramePreview(const skin::TSeSkinSource& source, int width, int height, bool active,
                        CaptionButtons buttons, const std::wstring& caption, skin::TSeBitmap& out);

// The progress bar object at `width` x `height` over the client colour,
// its bar at `fraction` of the width, with its parts placed as the progress
// bar control places them.
void RenderProgressPreview(const skin::TSeSkinSource& source, int width, int height, double fraction,
                           skin::TSeBitmap& out);

// The popup menu object `width` wide with one item per entry of `items`
// ("-" draws a separator), the item at `selected` in its selected look, as
// the skinned menu places them: the frame around, items 20 pixels high
// inside its 8-pixel margins.
void RenderPopupPreview(const skin::TSeSkinSource& source, int width, const std::vector<std::wstring>& items,
                        int selected, skin::TSeBitmap& out);

// The whole sheet, into `out`.
void RenderContactSheet(const skin::TSeSkinSource& source, skin::TSeBitmap& out);

}  // namespace skingen
