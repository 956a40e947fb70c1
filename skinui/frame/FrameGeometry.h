// The arithmetic of a form frame that needs no window: the frame size inside
// the window (the shadow takes the rest), the client bounds of the plain
// frame, the client rectangle the system is given, the plain caption
// buttons, the rolled-up bounds and the track sizes. All rectangles are in
// window coordinates unless a function says otherwise.
#pragma once

#include <cstdint>

#include "skin/gfx/Rect.h"
#include "skinui/frame/FrameTypes.h"

namespace skinui {

// The system metrics the plain frame is measured by.
struct FrameMetrics {
    int frameWidth = 4;        // SM_CXFRAME
    int captionHeight = 19;    // SM_CYCAPTION
    int smCaptionHeight = 15;  // SM_CYSMCAPTION
};

// The frame's size: the window less the shadow on both axes, except when
// the shadow is off (size 0) or the window is maximized.
skin::TPoint FrameSizeOf(int windowWidth, int windowHeight, int shadowSize, TSeWindowState state);

// The plain frame's client bounds: the whole frame without a border;
// otherwise inset by the frame width on every side and by a caption (a
// small one for a tool window) at the top.
skin::TRect PlainClientBounds(TSeBorderStyle style, int frameWidth, int frameHeight, const FrameMetrics& metrics);

// The client rectangle for the system (WM_NCCALCSIZE): `window` (in the
// parent's coordinates) less the frame around `client`.
skin::TRect NonClientInset(const skin::TRect& window, const skin::TRect& client, int windowWidth, int windowHeight);

// What the plain caption buttons are placed by.
struct CaptionButtonLayout {
    skin::TRect client;  // the client bounds
    FrameMetrics metrics;
    std::uint32_t borderIcons = 0;
    TSeBorderStyle style = kbsStandard;
    TSeWindowState state = kwsNormal;
    bool themed = false;
};

// The plain caption button of `icon` (kbiSystemMenu: the system icon); an
// empty rectangle when the button does not exist.
skin::TRect PlainButtonRect(TSeBorderIcon icon, const CaptionButtonLayout& layout);

// The rolled-up window at `origin`: the caption and the bottom border only.
skin::TRect RollupBounds(skin::TPoint origin, int frameWidth, int frameHeight, const skin::TRect& client);

// The size limits of a user's sizing. A constraint of 0 leaves its axis to
// the default: 150 x 40 at least, `maximized`'s size at most.
struct SizeLimits {
    int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
};
skin::TPoint MinTrackSize(const SizeLimits& limits);
skin::TPoint MaxTrackSize(const SizeLimits& limits, const skin::TRect& maximized);

}  // namespace skinui
