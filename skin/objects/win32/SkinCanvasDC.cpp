#include "skin/objects/win32/SkinCanvasDC.h"

#include "framework/win32/Graphics.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/gfx/win32/CanvasHelpers.h"
#include "skin/objects/SkinObjectTypes.h"
#include "skin/gfx/win32/TextHelpers.h"

namespace skin {

static_assert(kTextCenter == DT_CENTER && kTextRight == DT_RIGHT && kTextVCenter == DT_VCENTER &&
              kTextBottom == DT_BOTTOM && kTextSingleLine == DT_SINGLELINE && kTextRtlReading == DT_RTLREADING);

SkinCanvasDC::~SkinCanvasDC() { ReleaseFont(); }

void SkinCanvasDC::ReleaseFont() {
    if (!font_) return;
    SelectObject(dc_, oldFont_);
    DeleteObject(font_);
    font_ = nullptr;
    oldFont_ = nullptr;
}

void SkinCanvasDC::FillRect(const TRect& rect, TColor color) { FillRectColor(dc_, rect, color); }

void SkinCanvasDC::FrameRect(const TRect& rect, TColor color) { FrameRectColor(dc_, rect, color); }

void SkinCanvasDC::DrawRect(const TSeBitmap& bitmap, int x, int y, const TRect& source, bool masked) {
    skin::DrawRect(bitmap, dc_, x, y, source, masked);
}

void SkinCanvasDC::StretchDraw(const TSeBitmap& bitmap, const TRect& destination, const TRect& source, bool masked) {
    skin::StretchDraw(bitmap, dc_, destination, source, masked);
}

void SkinCanvasDC::TileDraw(const TSeBitmap& bitmap, const TRect& destination, const TRect& source, bool masked) {
    skin::TileDraw(bitmap, dc_, destination, source, masked);
}

void SkinCanvasDC::SetFont(const framework::TFont& font) {
    HFONT created = framework::CreateGdiFont(font);
    if (created) {
        HGDIOBJ previous = SelectObject(dc_, created);
        if (font_) {
            DeleteObject(font_);
        } else {
            oldFont_ = previous;
        }
        font_ = created;
    }
    SetFontColor(font.Color());
}

void SkinCanvasDC::SetFontColor(TColor color) { SetTextColor(dc_, framework::ColorToRGB(color)); }

void SkinCanvasDC::DrawText(const std::wstring& text, const TRect& rect, unsigned flags) {
    TRect r = rect;
    CanvasDrawText(dc_, text, r, flags);
}

int SkinCanvasDC::TextWidth(const std::wstring& text) { return skin::TextWidth(dc_, text, DT_SINGLELINE); }

std::wstring SkinCanvasDC::EllipsisText(const std::wstring& text, int width) {
    return skin::EllipsisText(dc_, text, width);
}

void SkinCanvasDC::DrawIcon(void* icon, int x, int y) {
    HICON handle = static_cast<HICON>(icon);
    // The program's own icon: its main icon resource, by name or as the first one.
    if (!handle) handle = LoadIconA(GetModuleHandle(nullptr), "MAINICON");
    if (!handle) handle = LoadIcon(GetModuleHandle(nullptr), MAKEINTRESOURCE(1));
    if (!handle) handle = LoadIcon(nullptr, IDI_APPLICATION);
    int cx = GetSystemMetrics(SM_CXSMICON);
    int cy = GetSystemMetrics(SM_CYSMICON);
    if (cx == 0 || cy == 0) {
        cx = GetSystemMetrics(SM_CXSIZE);
        cy = GetSystemMetrics(SM_CYSIZE);
    }
    if (handle) DrawIconEx(dc_, x, y, handle, cx, cy, 0, nullptr, DI_NORMAL);
}

bool SkinCanvasDC::RightToLeftLocale() const { return GetSystemMetrics(SM_MIDEASTENABLED) != 0; }

std::unique_ptr<SkinCanvas> CreateBitmapCanvas(TSeBitmap& bitmap) {
    if (!bitmap.DC()) return nullptr;
    return std::make_unique<SkinCanvasDC>(BitmapDC(bitmap));
}

bool HasBitmapCanvas() { return true; }

int ScreenTextWidth(const framework::TFont& font, const std::wstring& text) {
    HDC screen = GetDC(nullptr);
    if (!screen) return 0;
    int width = 0;
    {
        SkinCanvasDC canvas(screen);
        canvas.SetFont(font);
        width = canvas.TextWidth(text);
    }
    ReleaseDC(nullptr, screen);
    return width;
}

}  // namespace skin
