// The skin objects' canvas over a Windows device context: bitmaps through
// the library's drawing functions, text through its text helpers, with a
// GDI font made from the current TFont. The context's own font is put back
// when the canvas goes away.
#pragma once

#include <windows.h>

#include "skin/objects/SkinCanvas.h"

namespace skin {

class SkinCanvasDC final : public SkinCanvas {
public:
    explicit SkinCanvasDC(HDC dc) : dc_(dc) {}
    ~SkinCanvasDC() override;
    SkinCanvasDC(const SkinCanvasDC&) = delete;
    SkinCanvasDC& operator=(const SkinCanvasDC&) = delete;

    HDC DC() const { return dc_; }

    void FillRect(const TRect& rect, TColor color) override;
    void FrameRect(const TRect& rect, TColor color) override;
    void DrawRect(const TSeBitmap& bitmap, int x, int y, const TRect& source, bool masked) override;
    void StretchDraw(const TSeBitmap& bitmap, const TRect& destination, const TRect& source, bool masked) override;
    void TileDraw(const TSeBitmap& bitmap, const TRect& destination, const TRect& source, bool masked) override;
    void SetFont(const framework::TFont& font) override;
    void SetFontColor(TColor color) override;
    void DrawText(const std::wstring& text, const TRect& rect, unsigned flags) override;
    int TextWidth(const std::wstring& text) override;
    std::wstring EllipsisText(const std::wstring& text, int width) override;
    void DrawIcon(void* icon, int x, int y) override;
    bool RightToLeftLocale() const override;

private:
    void ReleaseFont();

    HDC dc_;
    HFONT font_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
};

}  // namespace skin
