// A software canvas for skin objects over the pixels of a TSeBitmap: how a
// laid-out skin tree is drawn without a window system (the skin generator's
// previews, the portable tests). Bitmap
// pieces are copied, stretched (nearest neighbour) or tiled, leaving key
// pixels out when masked; text is drawn with the pixel font in the font's
// colour (twice as large for fonts of 13 pixels and more), icons not at all.
#pragma once

#include "skin/objects/SkinCanvas.h"

namespace skin {

class SoftwareCanvas : public SkinCanvas {
public:
    explicit SoftwareCanvas(TSeBitmap& target) : target_(target) {}

    void FillRect(const TRect& rect, TColor color) override;
    void FrameRect(const TRect& rect, TColor color) override;
    void DrawRect(const TSeBitmap& bitmap, int x, int y, const TRect& source, bool masked) override;
    void StretchDraw(const TSeBitmap& bitmap, const TRect& destination, const TRect& source,
                     bool masked) override;
    void TileDraw(const TSeBitmap& bitmap, const TRect& destination, const TRect& source,
                  bool masked) override;
    void SetFont(const framework::TFont& font) override;
    void SetFontColor(TColor color) override { fontColor_ = color; }
    void DrawText(const std::wstring& text, const TRect& rect, unsigned flags) override;
    int TextWidth(const std::wstring& text) override;
    std::wstring EllipsisText(const std::wstring& text, int width) override;
    void DrawIcon(void* /*icon*/, int /*x*/, int /*y*/) override {}
    bool RightToLeftLocale() const override { return false; }

private:
    TSeBitmap& target_;
    TColor fontColor_ = 0;
    int textScale_ = 1;
    bool bold_ = false;
};

}  // namespace skin
