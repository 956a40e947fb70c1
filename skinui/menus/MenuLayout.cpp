#include "skinui/menus/MenuLayout.h"

namespace skinui {

using skin::TPoint;
using skin::TRect;

namespace {

// A level flipped to the left of (or above) its point or anchor can still
// start outside the bounds; it starts at their edge instead, where its
// first items can be reached.
TPoint KeepOnMonitor(TPoint at, const TRect& bounds) {
    if (at.X < bounds.Left) at.X = bounds.Left;
    if (at.Y < bounds.Top) at.Y = bounds.Top;
    return at;
}

}  // namespace

TPoint PlaceLevel(TPoint point, TPoint size, const TRect& anchor, bool parentIsMenuBar, const TRect& bounds) {
    const auto pastRight = [&](int left) { return std::int64_t{left} + size.X > bounds.Right; };
    const auto pastBottom = [&](int top) { return std::int64_t{top} + size.Y > bounds.Bottom; };
    if (skin::RectWidth(anchor) < 1) {
        TPoint at = point;
        if (pastRight(at.X)) at.X = point.X - size.X;
        if (pastBottom(at.Y)) at.Y = point.Y - size.Y;
        return KeepOnMonitor(at, bounds);
    }
    TPoint at;
    if (parentIsMenuBar) {
        at = TPoint{anchor.Left, anchor.Bottom};
        if (pastRight(at.X)) at.X = anchor.Right - size.X;
        if (pastBottom(at.Y)) {
            at.Y = anchor.Top - size.Y;
            if (at.Y < bounds.Top) at.Y = bounds.Top;
        }
    } else {
        at = TPoint{anchor.Right, anchor.Top};
        if (pastRight(at.X)) at.X = anchor.Left - size.X;
        if (pastBottom(at.Y)) at.Y = anchor.Bottom - size.Y;
    }
    if (pastRight(at.X)) at.X = bounds.Right - size.X;
    if (pastBottom(at.Y)) at.Y = bounds.Bottom - size.Y;
    return KeepOnMonitor(at, bounds);
}

TSeTrackAction ClassifyTrackingMessage(unsigned message) {
    switch (message) {
        case 0x0012:  // WM_QUIT
            return TSeTrackAction::CloseAllKeep;
        case 0x0046:  // WM_WINDOWPOSCHANGING
            return TSeTrackAction::CloseAllAndLeave;
        case 0x0201: return TSeTrackAction::ButtonDown;
        case 0x0202: return TSeTrackAction::ButtonUp;
        case 0x0200: return TSeTrackAction::MouseMove;
        case kOpenSubmenuMessage: return TSeTrackAction::OpenSubmenu;
        case 0x007B:  // WM_CONTEXTMENU
            return TSeTrackAction::Ignore;
        case 0x0100:  // WM_KEYDOWN
        case 0x0104:  // WM_SYSKEYDOWN
            return TSeTrackAction::Key;
        case 0x0102:  // WM_CHAR
        case 0x0106:  // WM_SYSCHAR
            return TSeTrackAction::Char;
        case 0x0101:
        case 0x0103:
        case 0x0105:
        case 0x0107:
        case 0x0108:
            return TSeTrackAction::Ignore;
        default: break;
    }
    // The non-client button messages, WM_NCLBUTTONDOWN .. WM_NCMBUTTONDBLCLK.
    if (message >= 0x00A1 && message <= 0x00A9) return TSeTrackAction::CloseAllKeep;
    return TSeTrackAction::Dispatch;
}

TSeKeyAction MenuKeyAction(int key, bool menuBarView, TSeParentKind parent) {
    switch (key) {
        case 9:   // Tab
        case 32:  // Space
            return TSeKeyAction::Ignore;
        case 13: return TSeKeyAction::Choose;
        case 18:   // Alt
        case 121:  // F10
            return TSeKeyAction::CloseAll;
        case 27: return TSeKeyAction::CloseLevel;
        case 37:  // Left
            if (menuBarView) return TSeKeyAction::Previous;
            if (parent == TSeParentKind::MenuBar) return TSeKeyAction::LeftToMenuBar;
            if (parent == TSeParentKind::Popup) return TSeKeyAction::EscapeSelf;
            return TSeKeyAction::Ignore;
        case 38:  // Up
            return menuBarView ? TSeKeyAction::Ignore : TSeKeyAction::Previous;
        case 39:  // Right
            if (menuBarView) return TSeKeyAction::Next;
            if (parent == TSeParentKind::MenuBar) return TSeKeyAction::RightOpenOrToMenuBar;
            if (parent == TSeParentKind::Popup) return TSeKeyAction::RightOpenOrEscape;
            // The first level of a popup menu opens the current item's
            // level too; it has nowhere else to go.
            return TSeKeyAction::RightOpen;
        case 40:  // Down
            return menuBarView ? TSeKeyAction::OpenSubmenu : TSeKeyAction::Next;
        default: return TSeKeyAction::Translate;
    }
}

int ShortCutCode(int key, bool shift, bool ctrl, bool altFlag) {
    int code = key & 0xFF;
    if (shift) code += kscShift;
    if (ctrl) code += kscCtrl;
    if (altFlag) code += kscAlt;
    return code;
}

namespace {

// prefix followed by n; built by appending, since GCC 12 warns falsely
// (-Wrestrict) on a literal + std::to_string.
std::string Numbered(const char* prefix, int n) {
    std::string text = prefix;
    text += std::to_string(n);
    return text;
}

std::string KeyName(int key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
    if (key >= 0x70 && key <= 0x87) return Numbered("F", key - 0x70 + 1);
    if (key >= 0x60 && key <= 0x69) return Numbered("Num ", key - 0x60);
    switch (key) {
        case 0x08: return "BkSp";
        case 0x09: return "Tab";
        case 0x0D: return "Enter";
        case 0x1B: return "Esc";
        case 0x20: return "Space";
        case 0x21: return "PgUp";
        case 0x22: return "PgDn";
        case 0x23: return "End";
        case 0x24: return "Home";
        case 0x25: return "Left";
        case 0x26: return "Up";
        case 0x27: return "Right";
        case 0x28: return "Down";
        case 0x2D: return "Ins";
        case 0x2E: return "Del";
        default: return {};
    }
}

}  // namespace

std::string ShortCutToText(int shortCut) {
    const std::string key = KeyName(shortCut & 0xFF);
    if (key.empty()) return {};
    std::string text;
    if (shortCut & kscShift) text += "Shift+";
    if (shortCut & kscCtrl) text += "Ctrl+";
    if (shortCut & kscAlt) text += "Alt+";
    return text + key;
}

}  // namespace skinui
