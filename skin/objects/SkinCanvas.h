// What skin objects draw on. The Windows build implements it over a device
// context (SkinCanvasDC.h); the objects themselves stay portable, so their
// layout, choice of bitmaps and text placement build and run everywhere.
#pragma once

#include <memory>
#include <string>

#include "framework/Font.h"
#include "skin/gfx/Pixel.h"
#include "skin/gfx/Rect.h"

namespace skin {

class TSeBitmap;

class SkinCanvas {
public:
    virtual ~SkinCanvas() = default;

    virtual void FillRect(const TRect& rect, TColor color) = 0;
    // A one-pixel outline.
    virtual void FrameRect(const TRect& rect, TColor color) = 0;

    // `source` of the bitmap unscaled at (x, y); `masked` leaves key pixels out.
    virtual void DrawRect(const TSeBitmap& bitmap, int x, int y, const TRect& source, bool masked) = 0;
    virtual void StretchDraw(const TSeBitmap& bitmap, const TRect& destination, const TRect& source,
                             bool masked) = 0;
    virtual void TileDraw(const TSeBitmap& bitmap, const TRect& destination, const TRect& source, bool masked) = 0;

    // The font that text is drawn and measured with; SetFontColor changes
    // only the colour of the current font.
    virtual void SetFont(const framework::TFont& font) = 0;
    virtual void SetFontColor(TColor color) = 0;
    // Draws with a transparent background; `flags` are kText* values.
    virtual void DrawText(const std::wstring& text, const TRect& rect, unsigned flags) = 0;
    virtual int TextWidth(const std::wstring& text) = 0;
    // `text` when it fits in `width`, else a prefix that fits followed by "...".
    virtual std::wstring EllipsisText(const std::wstring& text, int width) = 0;

    // The icon (a platform icon handle; nullptr: the application's, else
    // the system's standard one) at the small-icon size at (x, y).
    virtual void DrawIcon(void* icon, int x, int y) = 0;

    // True when the system's locale reads right to left.
    virtual bool RightToLeftLocale() const = 0;
};

// A canvas over the pixels of `bitmap`, for off-screen drawing such as the
// shape of a masked object; nullptr where the platform has none.
std::unique_ptr<SkinCanvas> CreateBitmapCanvas(TSeBitmap& bitmap);
// Whether CreateBitmapCanvas can give a canvas at all: asked before a
// buffer is made for one.
bool HasBitmapCanvas();

}  // namespace skin

namespace skin {

// The width of `text` in `font` on the screen; 0 where the platform has no
// screen to measure on.
int ScreenTextWidth(const framework::TFont& font, const std::wstring& text);

}  // namespace skin
