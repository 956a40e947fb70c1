// The settings of a skinned form frame that more than one part of the frame
// reads: its border style, window state, buffering mode, and the frame state
// code its skin objects are given. The border icons are skin::TSeBorderIcon.
#pragma once

#include <cstdint>

#include "skin/objects/SkinObjectTypes.h"

namespace skinui {

using skin::BorderIconBit;
using skin::TSeBorderIcon;

enum TSeBorderStyle : std::uint8_t { kbsNone, kbsStandard, kbsToolWindow };

enum TSeWindowState : std::uint8_t { kwsNormal, kwsMaximized, kwsMinimized, kwsRollup, kwsTray };

// Where a frame paint is drawn before it reaches the screen.
enum TSeFormPerformance : std::uint8_t { ztfpNoBuffer, ztfpSharedBuffer, ztfpPersistentBuffer, ztfpDoubleBuffer };

// The state code the frame's skin objects show or hide their buttons by.
constexpr int FrameStateCode(TSeWindowState state) {
    switch (state) {
        case kwsNormal: return skin::kStateNormal;
        case kwsMaximized: return skin::kStateMaximized;
        case kwsMinimized: return skin::kStateMinimized;
        case kwsRollup: return skin::kStateRolledUp;
        case kwsTray: return skin::kStateMinimized;
    }
    return skin::kStateNormal;
}

// Every icon but help.
inline constexpr std::uint32_t kDefaultBorderIcons = 0x6F;

}  // namespace skinui

namespace skinui {

// What a point of the frame means: 1..10 move or size the window, 11..17
// are the plain caption buttons, kfhSkinButton any skin system button.
enum TSeFrameHit : std::uint8_t {
    kfhNone, kfhCaption, kfhLeft, kfhTop, kfhRight, kfhBottom, kfhBorder, kfhTopLeft, kfhTopRight,
    kfhBottomLeft, kfhBottomRight, kfhClose, kfhHelp, kfhMinimize, kfhMaximize, kfhRollup, kfhTray,
    kfhSysMenu, kfhSkinButton,
};

}  // namespace skinui
