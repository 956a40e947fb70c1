// What the frame tests under Wine share: a form read from a description
// with its TSeSkinForm, a small skin of plain coloured objects, and a pump
// for the message queue.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "framework/ObjectText.h"
#include "framework/win32/Form.h"
#include "framework/win32/StdControls.h"
#include "skin/gfx/win32/BitmapDraw.h"
#include "skin/SkinEngine.h"
#include "skin/objects/SystemButton.h"
#include "skinui/frame/win32/SeSkinForm.h"

namespace skinui {
namespace test {

using skin::TRect;

constexpr skin::TColor kCaptionColor = 0x000000FF;  // red
constexpr skin::TColor kBorderColor = 0x0000FF00;   // green
constexpr skin::TColor kBottomColor = 0x00FF0000;   // blue
constexpr skin::TColor kClientColor = 0x0000FFFF;   // yellow

inline skin::TSeSkinObject* AddPlain(skin::TSeSkinObject* parent, const char* name, skin::TSeKind kind, skin::TSeAlign align,
                              TRect bounds, skin::TColor color) {
    auto* object = new skin::TSeSkinObject(parent);
    object->SetName(name);
    object->SetKind(kind);
    object->SetAlign(align);
    object->SetLeft(bounds.Left);
    object->SetTop(bounds.Top);
    object->SetWidth(skin::RectWidth(bounds));
    object->SetHeight(skin::RectHeight(bounds));
    object->SetColor(color);
    return object;
}

// A form object of 200 x 150: a 30-pixel caption with a close button at its
// right, borders of 6 left and right and 5 at the bottom, and the client.
// With `clientAtEdge` the client starts at the left edge (no left border).
inline void GiveSkin(skin::TSeSkinEngine& engine, bool clientAtEdge = false) {
    auto form = std::make_unique<skin::TSeSkinObject>(nullptr);
    form->SetName("Form");
    form->SetKind(skin::skForm);
    form->SetWidth(200);
    form->SetHeight(150);
    form->SetColor(0x00808080);
    skin::TSeSkinObject* caption = AddPlain(form.get(), "Caption", skin::skCaption, skin::saTop, {0, 0, 200, 30},
                                            kCaptionColor);
    AddPlain(caption, "Title", skin::skTitle, skin::saClient, {0, 0, 180, 30}, kCaptionColor);
    auto* close = new skin::TSeSystemButton(caption);
    close->SetName("Close");
    close->SetKind(skin::skSysButton);
    close->SetAlign(skin::saTopRight);
    close->SetLeft(180);
    close->SetTop(5);
    close->SetWidth(15);
    close->SetHeight(15);
    close->SetAction(skin::sbaClose);
    AddPlain(form.get(), "Bottom", skin::skBottom, skin::saBottom, {0, 145, 200, 150}, kBottomColor);
    if (!clientAtEdge) AddPlain(form.get(), "Left", skin::skLeft, skin::saLeft, {0, 30, 6, 145}, kBorderColor);
    AddPlain(form.get(), "Right", skin::skRight, skin::saRight, {194, 30, 200, 145}, kBorderColor);
    AddPlain(form.get(), "Client", skin::skClient, skin::saClient, {6, 30, 194, 145}, kClientColor);
    skin::TSeSkinObject* added = engine.SkinSource()->AddObject(std::move(form));
    added->SetBitmapList(&engine.SkinSource()->Bitmaps());
    added->LinkBitmaps();
}

inline std::string Description(const std::string& frameSettings, const std::string& caption = "Framed") {
    return "object Form1: TForm\n  Left = 100\n  Top = 80\n  ClientWidth = 200\n  ClientHeight = 100\n"
           "  Caption = '" + caption + "'\n  object Frame1: TSeSkinForm\n" + frameSettings + "  end\nend\n";
}

// A form with its frame, read from a description, and a skin engine.
struct Framed {
    explicit Framed(const std::string& frameSettings = "    Shadow.Enabled = True\n") {
        framework::RegisterStandardControls();
        skin::RegisterSkinClasses();
        RegisterFormClasses();
        form.LoadFromDescription(framework::ObjectTextToBinary(Description(frameSettings)));
        frame = dynamic_cast<TSeSkinForm*>(form.FindComponent("Frame1"));
        engine = new skin::TSeSkinEngine(&form);
    }
    void Skin(bool clientAtEdge = false) {
        GiveSkin(*engine, clientAtEdge);
        frame->SetSkinEngine(engine);
    }
    RECT WindowRect() const {
        RECT r;
        GetWindowRect(form.Handle(), &r);
        return r;
    }
    RECT ClientRect() const {
        RECT r;
        GetClientRect(form.Handle(), &r);
        return r;
    }
    framework::TForm form{nullptr};
    TSeSkinForm* frame = nullptr;
    skin::TSeSkinEngine* engine = nullptr;
};

// The window's pixels as its window context holds them.
inline std::unique_ptr<skin::TSeBitmap> WindowPixels(HWND window, int width, int height) {
    auto picture = std::make_unique<skin::TSeBitmap>();
    picture->SetSize(width, height);
    HDC dc = GetWindowDC(window);
    BitBlt(skin::BitmapDC(*picture), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    ReleaseDC(window, dc);
    return picture;
}

inline std::uint32_t Rgb(const skin::TSeBitmap& b, int x, int y) { return b.GetPixel(x, y) & 0x00FFFFFF; }
inline std::uint32_t RgbOf(skin::TColor c) { return skin::ColorToPixel(c) & 0x00FFFFFF; }

inline void Pump() {
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (msg.message == WM_QUIT) break;
        DispatchMessageA(&msg);
    }
}

// A plain window of one colour at (x, y, width, height) on the screen,
// returned once the screen shows it (or after a second).
inline HWND OpenColouredWindow(const char* className, COLORREF colour, int x, int y, int width, int height) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(colour);
    wc.lpszClassName = className;
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, className, "", WS_POPUP | WS_VISIBLE, x, y, width, height, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    UpdateWindow(window);
    HDC screen = GetDC(nullptr);
    const int cx = x + width / 2, cy = y + height / 2;
    for (int i = 0; i < 100 && (GetPixel(screen, cx, cy) & 0xFFFFFF) != colour; ++i) {
        Pump();
        Sleep(10);
    }
    ReleaseDC(nullptr, screen);
    return window;
}

// The mouse's messages sent at window points, relative to where the
// window stood when this was made (as the mouse is, while the window moves):
// the screen position is what the caller gives relative to the window's
// first place.
class Mouse {
public:
    explicit Mouse(HWND window) : window_(window) {
        RECT r;
        GetWindowRect(window, &r);
        origin_ = POINT{r.left, r.top};
    }
    // A press, moves and a release of the left button on the caption (or
    // on the part `hit` names).
    void Down(int x, int y, WPARAM hit = HTCAPTION) { NonClient(WM_NCLBUTTONDOWN, hit, x, y); }
    void Move(int x, int y) { NonClient(WM_NCMOUSEMOVE, HTCAPTION, x, y); }
    void Up(int x, int y) { NonClient(WM_NCLBUTTONUP, HTCAPTION, x, y); }
    void DoubleClick(int x, int y) { NonClient(WM_NCLBUTTONDBLCLK, HTCAPTION, x, y); }

    void NonClient(UINT message, WPARAM hit, int x, int y) {
        SendMessageA(window_, message, hit, MAKELPARAM(origin_.x + x, origin_.y + y));
    }
    // A message of the captured mouse: client coordinates of the window now.
    void Captured(UINT message, int x, int y) {
        POINT p{origin_.x + x, origin_.y + y};
        ScreenToClient(window_, &p);
        SendMessageA(window_, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(p.x, p.y));
    }

private:
    HWND window_;
    POINT origin_;
};

}  // namespace test
}  // namespace skinui
