#include "framework/win32/Graphics.h"

namespace framework {

COLORREF ColorToRGB(TColor color) {
    return static_cast<COLORREF>(ResolveSystemColor(color) & 0xFFFFFF);
}

HFONT CreateGdiFont(const TFont& font) {
    LOGFONTA lf{};
    lf.lfHeight = font.Height();
    lf.lfWeight = (font.Style() & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font.Style() & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (font.Style() & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (font.Style() & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = static_cast<BYTE>(font.Charset());
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynA(lf.lfFaceName, font.Name().c_str(), LF_FACESIZE);
    return CreateFontIndirectA(&lf);
}

}  // namespace framework
