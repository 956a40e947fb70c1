// The start-up of the library's menus and the hidden click-handler window.
//
// A chosen item's click is posted to the click handler (message
// kClickMessage, lParam the item), so that it runs after every level of
// the menu has closed and the tracking loops have returned.
#pragma once

#include <windows.h>

#include "framework/win32/Form.h"
#include "skinui/menus/MenuItem.h"

namespace skinui {

inline constexpr UINT kClickMessage = 0x08BA;

class TSeClickHandler : public framework::TForm {
public:
    static constexpr std::string_view kClassName = "TSeClickHandler";
    // A hidden window at (10000, 10000) of size 0 x 0.
    TSeClickHandler();
    std::string_view ClassName() const override { return kClassName; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Reads the menu metrics, makes the arrow glyph and the click handler, and
// routes items' clicks to it. Runs once; later calls do nothing.
void InitializeMenus();
// The click handler's window, nullptr before InitializeMenus.
HWND ClickHandlerWindow();

// Short-cut dispatch for a key message (WM_KEYDOWN or WM_SYSKEYDOWN) in the
// tree: the code from the key, the held Shift and Ctrl, and the message's
// Alt flag (bit 29 of lParam). True when an item carries the code.
bool IsShortCut(TSeCustomItem& tree, WPARAM key, LPARAM keyData);

}  // namespace skinui
