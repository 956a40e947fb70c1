#include "skinui/controls/ControlGeometry.h"

namespace skinui {

TRect InnerRect(int width, int height, const BorderSettings& border) {
    const std::int64_t bevel = std::int64_t{border.bevelWidth} *
                               ((border.bevelInner != kbvNone ? 1 : 0) + (border.bevelOuter != kbvNone ? 1 : 0));
    const std::int64_t b = border.borderWidth;
    const auto side = [&](unsigned bit) { return b + ((border.bevelSides & bit) ? bevel : 0); };
    return TRect{skin::ClampToInt(side(kbsLeft)), skin::ClampToInt(side(kbsTop)),
                 skin::ClampToInt(std::int64_t{width} - side(kbsRight)),
                 skin::ClampToInt(std::int64_t{height} - side(kbsBottom))};
}

TSeBevelCut BevelPreset(TSeBevelKind kind) {
    switch (kind) {
        case kbkSingle:
        case kbkTile:
        case kbkSoft: return kbvLowered;
        case kbkBorder: return kbvBorder;
        case kbkFlat: return kbvFlatBorder;
        case kbkNone: break;
    }
    return kbvNone;
}

BevelColours BevelColoursOf(TSeBevelCut cut) {
    switch (cut) {
        case kbvLowered: return {kBtnShadow, kBtnHighlight, k3DDarkShadow, kBtnFace};
        case kbvRaised: return {kBtnHighlight, k3DDarkShadow, kBtnShadow, kBtnShadow};
        case kbvSpace: return {kBtnFace, kBtnFace, kBtnFace, kBtnFace};
        case kbvBorder: return {k3DDarkShadow, k3DDarkShadow, kWindowColor, kWindowColor};
        case kbvFlatBorder: return {kBtnShadow, kBtnShadow, kBtnFace, kBtnFace};
        case kbvNone: break;
    }
    return {kBtnFace, kBtnFace, kBtnFace, kBtnFace};
}

ScrollBarPlaces LayoutScrollBarPlaces(const TRect& area, int horizontalHeight, int verticalWidth) {
    const std::int64_t l = area.Left, t = area.Top, r = area.Right, b = area.Bottom;
    auto rect = [](std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom) {
        return TRect{skin::ClampToInt(left), skin::ClampToInt(top), skin::ClampToInt(right), skin::ClampToInt(bottom)};
    };
    return {rect(l, b - horizontalHeight, r - verticalWidth, b), rect(r - verticalWidth, t, r, b - horizontalHeight)};
}

}  // namespace skinui
