// The system colours of the plain menu look, as colour values.
#pragma once

#include "skin/gfx/Pixel.h"

namespace skinui {

using framework::SystemColor;
inline constexpr skin::TColor kclMenu = SystemColor(4);
inline constexpr skin::TColor kclMenuText = SystemColor(7);
inline constexpr skin::TColor kclHighlight = SystemColor(13);
inline constexpr skin::TColor kclHighlightText = SystemColor(14);
inline constexpr skin::TColor kclBtnFace = SystemColor(15);
inline constexpr skin::TColor kclBtnShadow = SystemColor(16);
inline constexpr skin::TColor kclGrayText = SystemColor(17);
inline constexpr skin::TColor kclBtnHighlight = SystemColor(20);

}  // namespace skinui
