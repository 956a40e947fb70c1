// The private window messages of the skin library. The numbers are fixed:
// other windows and programs may send them.
#pragma once

namespace skin {

inline constexpr unsigned WM_SETRAYNOTIFY = 1388;
inline constexpr unsigned WM_SEREFRESHFRAME = 1389;
inline constexpr unsigned WM_SECHILDMAXIMIZE = 1390;
inline constexpr unsigned WM_SESETSTATE = 1391;
inline constexpr unsigned WM_SESKINCHANGED = 1702;
inline constexpr unsigned WM_SESKINCHANGING = 1703;
// A skin object changed its look; lParam is the object (0 after loading).
inline constexpr unsigned WM_SEOBJECTCHANGED = 2121;
// Asks a control's window for its skinned form; the result is the
// SkinnedForm* (0 when there is none).
inline constexpr unsigned WM_SEGETFORM = 2122;
inline constexpr unsigned WM_SEREHOOK = 45278;
inline constexpr unsigned WM_SEFREEHOOK = 45279;
inline constexpr unsigned WM_SEPAINTFRAME = 45512;

}  // namespace skin
