// The menu metrics and the plain submenu arrow, from the system.
#include <windows.h>

#include "framework/IdentMaps.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skinui/menus/MenuMetrics.h"

namespace skinui {

namespace {

// The size of the metrics record without the padded border width, which
// every version of the system accepts.
constexpr UINT kNonClientMetricsSize = 340;
constexpr int kGlyphSize = 20;

framework::TFont FontOf(const LOGFONTA& log) {
    framework::TFont font;
    font.SetName(log.lfFaceName);
    font.SetHeight(log.lfHeight);
    font.SetCharset(log.lfCharSet);
    std::uint32_t style = 0;
    if (log.lfWeight >= FW_BOLD) style |= framework::fsBold;
    if (log.lfItalic) style |= framework::fsItalic;
    if (log.lfUnderline) style |= framework::fsUnderline;
    if (log.lfStrikeOut) style |= framework::fsStrikeOut;
    font.SetStyle(style);
    font.SetColor(framework::SystemColor(COLOR_MENUTEXT));
    return font;
}

void MakeArrowGlyph() {
    skin::TSeBitmap& glyph = SubmenuArrowGlyph();
    glyph.SetSize(kGlyphSize, kGlyphSize);
    HDC dc = skin::BitmapDC(glyph);
    if (!dc) return;
    RECT r{0, 0, kGlyphSize, kGlyphSize};
    DrawFrameControl(dc, &r, DFC_MENU, DFCS_MENUARROW);
    GdiFlush();
    // The control draws black on white: white is what stays transparent.
    for (int y = 0; y < kGlyphSize; ++y) {
        skin::TPixel* row = glyph.PixelPtr(0, y);
        for (int x = 0; x < kGlyphSize; ++x) {
            row[x] = (row[x] & 0x00FFFFFF) == 0x00FFFFFF ? skin::kKeyPixel : (row[x] | 0xFF000000u);
        }
    }
}

}  // namespace

void LoadMenuMetrics() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = kNonClientMetricsSize;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0)) {
        SetMenuMetrics(metrics.iMenuWidth, metrics.iMenuHeight, FontOf(metrics.lfMenuFont));
    }
    MakeArrowGlyph();
}

}  // namespace skinui
