// The decisions of the menu system that need no window: where a level's
// window goes inside the bounds of its monitor, what the tracking loop does
// with a message and with a key, and the short-cut codes with their text.
#pragma once

#include <string>

#include "skin/gfx/Rect.h"

namespace skinui {

// The top-left corner of a level's window of `size` (screen coordinates).
// Without an anchor (width below 1) the window opens at `point`, flipped to
// its left and above it where it would pass the bounds' right or bottom
// edge. Below a menu bar item (`parentIsMenuBar`) it opens at the anchor's
// bottom-left corner, else (a submenu) at its top-right corner, flipped
// to the other side of the anchor and finally pushed inside the bounds.
skin::TPoint PlaceLevel(skin::TPoint point, skin::TPoint size, const skin::TRect& anchor, bool parentIsMenuBar,
                        const skin::TRect& bounds);

// What the tracking loop does with a message, by its number.
enum class TSeTrackAction {
    CloseAllKeep,      // close all levels, leave the message queued
    CloseAllAndLeave,  // the same, and leave this loop
    ButtonDown,
    ButtonUp,
    MouseMove,
    OpenSubmenu,  // the loop's own request (kOpenSubmenuMessage)
    Key,
    Char,
    Ignore,    // removed and dropped
    Dispatch,  // removed and dispatched
};
// The loop's request to a view to open the current item's level.
inline constexpr unsigned kOpenSubmenuMessage = 0x046F;
TSeTrackAction ClassifyTrackingMessage(unsigned message);

// What a key does in a view.
enum class TSeKeyAction {
    Ignore,
    Choose,         // Enter: click Current, open its level or close all
    CloseAll,       // Alt, F10
    CloseLevel,     // Escape
    Previous,
    Next,
    OpenSubmenu,
    LeftToMenuBar,  // post Left to the menu-bar parent and end this loop
    EscapeSelf,     // post Escape to this view
    RightOpenOrToMenuBar,  // open Current's level, else post Right to the menu bar and end
    RightOpenOrEscape,     // open Current's level, else post Escape to this view
    RightOpen,             // open Current's level
    Translate,             // make character messages of it
};
enum class TSeParentKind { None, MenuBar, Popup };
TSeKeyAction MenuKeyAction(int key, bool menuBarView, TSeParentKind parent);

// Short-cut codes: the key code + these.
inline constexpr int kscShift = 0x2000;
inline constexpr int kscCtrl = 0x4000;
inline constexpr int kscAlt = 0x8000;
// The code of a key message: the key, Shift and Ctrl as they are held, Alt
// from the message's own flag.
int ShortCutCode(int key, bool shift, bool ctrl, bool altFlag);
// "Ctrl+S", "Alt+F4", "Shift+Del"...; empty for 0 and for codes without a
// key name.
std::string ShortCutToText(int shortCut);

}  // namespace skinui
