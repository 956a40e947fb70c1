#include "skinui/effects/FrameBlending.h"

namespace skinui {

void BlendWithBackground(skin::TSeBitmap& target, const skin::TRect& rect, std::uint8_t value,
                         const skin::TSeBitmap& background, int bx, int by) {
    if (skin::RectIsEmpty(rect)) return;
    target.SetAlphaRect(value, rect);
    target.MergeBackground(background, rect.Left, rect.Top, skin::RectOffset(rect, bx - rect.Left, by - rect.Top));
}

void BlendFrameStrips(skin::TSeBitmap& target, const skin::TRect& client, int windowWidth, int windowHeight,
                      std::uint8_t value, const skin::TSeBitmap& background) {
    const skin::TRect strips[] = {
        skin::MakeRect(0, 0, windowWidth, client.Top),
        skin::MakeRect(0, client.Top, client.Left, windowHeight),
        skin::MakeRect(client.Right, client.Top, windowWidth, windowHeight),
        skin::MakeRect(client.Left, client.Bottom, client.Right, windowHeight),
    };
    for (const skin::TRect& strip : strips) BlendWithBackground(target, strip, value, background, strip.Left, strip.Top);
}

}  // namespace skinui
