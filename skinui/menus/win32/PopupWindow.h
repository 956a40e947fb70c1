// The window of one open popup level: TSePopupWindow, a borderless,
// topmost tool window made without a form description, framed by its own
// skinned frame TSePopupForm, which shows the level's TSePopupView in its
// client area. Skinned items replace both classes (CreatePopupWindow,
// CreateFrame, PopupClientRect, PaintNonClient).
#pragma once

#include <windows.h>

#include <memory>

#include "framework/win32/Form.h"
#include "skinui/menus/win32/ItemView.h"
#include "skinui/frame/win32/SeCustomForm.h"

namespace skinui {

class TSePopupForm : public TSeCustomForm {
public:
    static constexpr std::string_view kClassName = "TSePopupForm";
    // No border icons, no border, neither moveable nor sizeable, unbuffered.
    explicit TSePopupForm(framework::TComponent* owner);
    std::string_view ClassName() const override { return kClassName; }

    // The client rectangle of a frame of width x height: 3 pixels in.
    virtual skin::TRect PopupClientRect(int width, int height);
    skin::TRect GetClientBounds() override { return PopupClientRect(FrameWidth(), FrameHeight()); }
    // The level's content decides the size.
    skin::TPoint GetMinTrackSize() override { return skin::TPoint{1, 1}; }
    // The whole window is the level's client.
    TSeFrameHit HitTest(int, int) override { return kfhNone; }
    // Three one-pixel rings.
    void PaintNonClient(HDC dc) override;
    // The menu colour and the level's items.
    void PaintClientBackground(HDC dc) override;

    void SetView(TSePopupView* view) { view_ = view; }
    // The window whose caption stays active while the level is open.
    void SetWatchedWindow(HWND window) { watched_ = window; }
    HWND WatchedWindow() const { return watched_; }
    // True when a paint goes through a buffer (a translucent frame).
    bool Buffers() const;

protected:
    void HandleMessage(TMessage& message) override;

private:
    TSePopupView* view_ = nullptr;
    HWND watched_ = nullptr;
};

class TSePopupWindow : public framework::TForm {
public:
    static constexpr std::string_view kClassName = "TSePopupWindow";
    // The level of `item`'s children, opened from `parentView` (nullptr for
    // the first level) for the menu owner `owner`.
    TSePopupWindow(TSeCustomItem* item, TSeItemView* parentView, framework::TComponent* owner);
    ~TSePopupWindow() override;
    std::string_view ClassName() const override { return kClassName; }

    // Makes the frame, the window and the view; false when the window
    // could not be made.
    bool Prepare();
    TSePopupForm* Frame() const { return frame_; }
    TSePopupView* View() const { return view_.get(); }
    TSeCustomItem* Item() const { return item_; }

    void Layout();
    // Shows the window without taking the focus (with Foreground, brought
    // to the front).
    void ShowLevel();
    void Track();

protected:
    // The frame class; called once by Prepare.
    virtual TSePopupForm* CreateFrame();
    CreateParams GetCreateParams() const override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    TSeCustomItem* item_;
    TSeItemView* parentView_;
    framework::TComponent* menuOwner_;
    TSePopupForm* frame_ = nullptr;
    std::unique_ptr<TSePopupView> view_;
};

}  // namespace skinui
