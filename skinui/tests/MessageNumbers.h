// The window message numbers and virtual key codes the tests use, by name,
// for tests that build without the system's headers (the Windows build
// checks every number against them, tests/win32/WindowMessageLog.h), and
// the names a message log prints.
#pragma once

#include <cstdio>
#include <string>

namespace skinui::test {

namespace wm {

inline constexpr unsigned kDestroy = 0x0002;
inline constexpr unsigned kActivate = 0x0006;
inline constexpr unsigned kEnable = 0x000A;
inline constexpr unsigned kPaint = 0x000F;
inline constexpr unsigned kClose = 0x0010;
inline constexpr unsigned kQuit = 0x0012;
inline constexpr unsigned kEraseBkgnd = 0x0014;
inline constexpr unsigned kShowWindow = 0x0018;
inline constexpr unsigned kSetCursor = 0x0020;
inline constexpr unsigned kWindowPosChanging = 0x0046;
inline constexpr unsigned kWindowPosChanged = 0x0047;
inline constexpr unsigned kContextMenu = 0x007B;
inline constexpr unsigned kNcCalcSize = 0x0083;
inline constexpr unsigned kNcHitTest = 0x0084;
inline constexpr unsigned kNcPaint = 0x0085;
inline constexpr unsigned kNcActivate = 0x0086;
// The non-client mouse messages, kNcMouseMove .. kNcXButtonDblClk (0x00AA
// is no message).
inline constexpr unsigned kNcMouseMove = 0x00A0;
inline constexpr unsigned kNcLButtonDown = 0x00A1;
inline constexpr unsigned kNcLButtonUp = 0x00A2;
inline constexpr unsigned kNcLButtonDblClk = 0x00A3;
inline constexpr unsigned kNcRButtonDown = 0x00A4;
inline constexpr unsigned kNcRButtonUp = 0x00A5;
inline constexpr unsigned kNcRButtonDblClk = 0x00A6;
inline constexpr unsigned kNcMButtonDown = 0x00A7;
inline constexpr unsigned kNcMButtonUp = 0x00A8;
inline constexpr unsigned kNcMButtonDblClk = 0x00A9;
inline constexpr unsigned kNcXButtonDown = 0x00AB;
inline constexpr unsigned kNcXButtonUp = 0x00AC;
inline constexpr unsigned kNcXButtonDblClk = 0x00AD;
inline constexpr unsigned kKeyDown = 0x0100;
inline constexpr unsigned kKeyUp = 0x0101;
inline constexpr unsigned kChar = 0x0102;
inline constexpr unsigned kDeadChar = 0x0103;
inline constexpr unsigned kSysKeyDown = 0x0104;
inline constexpr unsigned kSysKeyUp = 0x0105;
inline constexpr unsigned kSysChar = 0x0106;
inline constexpr unsigned kSysDeadChar = 0x0107;
// The last of the key range on older systems; no message of its own.
inline constexpr unsigned kKeyLast = 0x0108;
inline constexpr unsigned kCommand = 0x0111;
inline constexpr unsigned kSysCommand = 0x0112;
inline constexpr unsigned kTimer = 0x0113;
inline constexpr unsigned kMouseMove = 0x0200;
inline constexpr unsigned kLButtonDown = 0x0201;
inline constexpr unsigned kLButtonUp = 0x0202;
inline constexpr unsigned kCaptureChanged = 0x0215;
inline constexpr unsigned kEnterSizeMove = 0x0231;
inline constexpr unsigned kExitSizeMove = 0x0232;
inline constexpr unsigned kNcMouseLeave = 0x02A2;
inline constexpr unsigned kApp = 0x8000;

}  // namespace wm

namespace vk {

inline constexpr int kTab = 0x09;
inline constexpr int kReturn = 0x0D;
inline constexpr int kAlt = 0x12;
inline constexpr int kEscape = 0x1B;
inline constexpr int kSpace = 0x20;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kF10 = 0x79;

}  // namespace vk

// The system's name of a message above ("WM_NCLBUTTONDOWN"); WM_APP+n
// above WM_APP, else the number in hexadecimal ("0x046F").
inline std::string MessageName(unsigned message) {
    struct Named {
        unsigned message;
        const char* name;
    };
    static constexpr Named kNames[] = {
        {wm::kDestroy, "WM_DESTROY"},
        {wm::kActivate, "WM_ACTIVATE"},
        {wm::kEnable, "WM_ENABLE"},
        {wm::kPaint, "WM_PAINT"},
        {wm::kClose, "WM_CLOSE"},
        {wm::kQuit, "WM_QUIT"},
        {wm::kEraseBkgnd, "WM_ERASEBKGND"},
        {wm::kShowWindow, "WM_SHOWWINDOW"},
        {wm::kSetCursor, "WM_SETCURSOR"},
        {wm::kWindowPosChanging, "WM_WINDOWPOSCHANGING"},
        {wm::kWindowPosChanged, "WM_WINDOWPOSCHANGED"},
        {wm::kContextMenu, "WM_CONTEXTMENU"},
        {wm::kNcCalcSize, "WM_NCCALCSIZE"},
        {wm::kNcHitTest, "WM_NCHITTEST"},
        {wm::kNcPaint, "WM_NCPAINT"},
        {wm::kNcActivate, "WM_NCACTIVATE"},
        {wm::kNcMouseMove, "WM_NCMOUSEMOVE"},
        {wm::kNcLButtonDown, "WM_NCLBUTTONDOWN"},
        {wm::kNcLButtonUp, "WM_NCLBUTTONUP"},
        {wm::kNcLButtonDblClk, "WM_NCLBUTTONDBLCLK"},
        {wm::kNcRButtonDown, "WM_NCRBUTTONDOWN"},
        {wm::kNcRButtonUp, "WM_NCRBUTTONUP"},
        {wm::kNcRButtonDblClk, "WM_NCRBUTTONDBLCLK"},
        {wm::kNcMButtonDown, "WM_NCMBUTTONDOWN"},
        {wm::kNcMButtonUp, "WM_NCMBUTTONUP"},
        {wm::kNcMButtonDblClk, "WM_NCMBUTTONDBLCLK"},
        {wm::kNcXButtonDown, "WM_NCXBUTTONDOWN"},
        {wm::kNcXButtonUp, "WM_NCXBUTTONUP"},
        {wm::kNcXButtonDblClk, "WM_NCXBUTTONDBLCLK"},
        {wm::kKeyDown, "WM_KEYDOWN"},
        {wm::kKeyUp, "WM_KEYUP"},
        {wm::kChar, "WM_CHAR"},
        {wm::kDeadChar, "WM_DEADCHAR"},
        {wm::kSysKeyDown, "WM_SYSKEYDOWN"},
        {wm::kSysKeyUp, "WM_SYSKEYUP"},
        {wm::kSysChar, "WM_SYSCHAR"},
        {wm::kSysDeadChar, "WM_SYSDEADCHAR"},
        {wm::kCommand, "WM_COMMAND"},
        {wm::kSysCommand, "WM_SYSCOMMAND"},
        {wm::kTimer, "WM_TIMER"},
        {wm::kMouseMove, "WM_MOUSEMOVE"},
        {wm::kLButtonDown, "WM_LBUTTONDOWN"},
        {wm::kLButtonUp, "WM_LBUTTONUP"},
        {wm::kCaptureChanged, "WM_CAPTURECHANGED"},
        {wm::kEnterSizeMove, "WM_ENTERSIZEMOVE"},
        {wm::kExitSizeMove, "WM_EXITSIZEMOVE"},
        {wm::kNcMouseLeave, "WM_NCMOUSELEAVE"},
        {wm::kApp, "WM_APP"},
    };
    for (const Named& n : kNames) {
        if (n.message == message) return n.name;
    }
    char text[16];
    if (message > wm::kApp && message < 0xC000) {
        std::snprintf(text, sizeof text, "WM_APP+%u", message - wm::kApp);
    } else {
        std::snprintf(text, sizeof text, "0x%04X", message);
    }
    return text;
}

}  // namespace skinui::test
