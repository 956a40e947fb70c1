#include "skinui/frame/FrameGeometry.h"

namespace skinui {

using skin::TPoint;
using skin::TRect;

TPoint FrameSizeOf(int windowWidth, int windowHeight, int shadowSize, TSeWindowState state) {
    if (shadowSize <= 0 || state == kwsMaximized) return TPoint{windowWidth, windowHeight};
    return TPoint{windowWidth - shadowSize, windowHeight - shadowSize};
}

TRect PlainClientBounds(TSeBorderStyle style, int frameWidth, int frameHeight, const FrameMetrics& metrics) {
    if (style == kbsNone) return TRect{0, 0, frameWidth, frameHeight};
    const int inset = metrics.frameWidth;
    const int caption = style == kbsToolWindow ? metrics.smCaptionHeight : metrics.captionHeight;
    return TRect{inset, inset + caption, frameWidth - inset, frameHeight - inset};
}

TRect NonClientInset(const TRect& window, const TRect& client, int windowWidth, int windowHeight) {
    return TRect{window.Left + client.Left, window.Top + client.Top, window.Right - (windowWidth - client.Right),
                 window.Bottom - (windowHeight - client.Bottom)};
}

namespace {
bool Has(const CaptionButtonLayout& layout, TSeBorderIcon icon) {
    return (layout.borderIcons & BorderIconBit(icon)) != 0;
}
}  // namespace

TRect PlainButtonRect(TSeBorderIcon icon, const CaptionButtonLayout& layout) {
    const bool themed = layout.themed;
    const bool minimized = layout.state == kwsMinimized;
    const int bandTop = layout.metrics.frameWidth + (themed ? 0 : 1);
    const int bandLeft = layout.client.Left;
    const int bandRight = layout.client.Right;
    const int h = layout.client.Top - bandTop;
    const int width = themed ? h - 4 : h - 2;
    const int height = h - 4;
    const int top = bandTop + 2;

    if (icon == skin::kbiSystemMenu) {
        return Has(layout, icon) ? TRect{bandLeft, bandTop, bandLeft + h, bandTop + h} : TRect{};
    }

    // Walk the buttons from the right, each existing one taking its place.
    int x = bandRight - width - 2;
    if (layout.style == kbsToolWindow && themed) x += 2;
    auto place = [&](TSeBorderIcon which, bool present, int advance) -> bool {
        if (!present) return false;
        if (which == icon) return true;
        x -= advance;
        return false;
    };
    auto result = [&] { return TRect{x, top, x + width, top + height}; };

    if (place(skin::kbiClose, Has(layout, skin::kbiClose), width + 2)) return result();
    if (icon == skin::kbiClose || layout.style == kbsToolWindow) return TRect{};
    const int step = themed ? width + 2 : width;
    if (place(skin::kbiMaximize, Has(layout, skin::kbiMaximize) && !minimized, step)) return result();
    if (place(skin::kbiMinimize, Has(layout, skin::kbiMinimize), step)) return result();
    const bool rollup = Has(layout, skin::kbiRollup) && !minimized && !themed;
    if (rollup) x -= 2;
    if (place(skin::kbiRollup, rollup, step)) return result();
    if (place(skin::kbiTray, Has(layout, skin::kbiTray) && !minimized && !themed, step)) return result();
    if (icon == skin::kbiHelp && Has(layout, skin::kbiHelp) && !minimized && layout.state != kwsRollup) {
        x -= 2;
        return result();
    }
    return TRect{};
}

TRect RollupBounds(TPoint origin, int frameWidth, int frameHeight, const TRect& client) {
    return skin::MakeBounds(origin.X, origin.Y, frameWidth, client.Top + frameHeight - client.Bottom);
}

TPoint MinTrackSize(const SizeLimits& limits) {
    return TPoint{limits.minWidth > 0 ? limits.minWidth : 150, limits.minHeight > 0 ? limits.minHeight : 40};
}

TPoint MaxTrackSize(const SizeLimits& limits, const TRect& maximized) {
    return TPoint{limits.maxWidth > 0 ? limits.maxWidth : skin::RectWidth(maximized),
                  limits.maxHeight > 0 ? limits.maxHeight : skin::RectHeight(maximized)};
}

}  // namespace skinui
