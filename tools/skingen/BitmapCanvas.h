// A software canvas for skin objects over the pixels of a TSeBitmap: how
// the tool draws a laid-out skin tree without a window system. Bitmap
// pieces are copied, stretched (nearest neighbour) or tiled, leaving key
// pixels out when masked; text is drawn with the pixel font in the font's
// colour (twice as large for fonts of 13 pixels and more), icons not at all.
#pragma once

#include "skin/objects/SkinCanvas.h"

namespace skingen {

class BitmapCanvas : public skin::SkinCanvas {
public:
    explicit BitmapCanvas(skin::TSeBitmap& target) : target_(target) {}

    void FillRect(const skin::TRect& rect, skin::TColor color) override;
    void FrameRect(const skin::TRect& rect, skin::TColor color) override;
    void DrawRect(const skin::TSeBitmap& bitmap, int x, int y, const skin::TRect& source, bool masked) override;
    void StretchDraw(const skin::TSeBitmap& bitmap, const skin::TRect& destination, const skin::TRect& source,
                     bool masked) override;
    void TileDraw(const skin::TSeBitmap& bitmap, const skin::TRect& destination, const skin::TRect& source,
                  bool masked) override;
    void SetFont(const framework::TFont& font) override;
    void SetFontColor(skin::TColor color) override { fontColor_ = color; }
    void DrawText(const std::wstring& text, const skin::TRect& rect, unsigned flags) override;
    int TextWidth(const std::wstring& text) override;
    std::wstring EllipsisText(const std::wstring& text, int width) override;
    void DrawIcon(void* /*icon*/, int /*x*/, int /*y*/) override {}
    bool RightToLeftLocale() const override { return false; }

private:
    skin::TSeBitmap& target_;
    skin::TColor fontColor_ = 0;
    int textScale_ = 1;
    bool bold_ = false;
};

}  // namespace skingen
