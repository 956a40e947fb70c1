// TSeItemView: one open level (or a menu bar) on its window. It lays its
// item's children out and sizes its window, paints them, follows the mouse
// (Hover) with the 100 ms scroll timer of a scrolled level, moves the
// current item, opens the current item's level and runs the modal tracking
// loop of the level (Track, MenuTracking.cpp).
//
// Views of nested levels form a chain: ParentView is the level this one was
// opened from, ChildView the level opened from this one while it runs.
#pragma once

#include <windows.h>

#include "skin/gfx/Rect.h"
#include "skinui/menus/ItemViewGeometry.h"

namespace skinui {

class TSePopupForm;

// Posted to a view's window by the tracking loop and the scroll timer.
inline constexpr UINT kScrollTimerId = 0x5E1;
inline constexpr UINT kScrollInterval = 100;

class TSeItemView : public TSeItemViewGeometry {
public:
    TSeItemView(TSeCustomItem* item, TSeItemView* parentView, HWND window, bool horizontal, bool menuBar);
    ~TSeItemView() override;

    HWND ViewWindow() const { return window_; }
    TSeItemView* Parent() const { return static_cast<TSeItemView*>(ParentView()); }
    TSeItemView* Child() const { return static_cast<TSeItemView*>(ChildView()); }
    bool ScrollTimerRunning() const { return timer_; }

    // Lays the children out and sizes the window to the content.
    void Layout();
    // The whole content onto `dc` (client coordinates).
    void Paint(HDC dc);
    // Repaints the whole view, one item, or the arrow strips now.
    void Repaint();
    void RepaintItem(TSeCustomItem* item);
    void RepaintArrows();

    // The mouse at a screen point.
    void Hover(skin::TPoint screen);
    void Next();
    void Previous();
    // Opens the level of an enabled current item with children (not while a
    // scroll arrow is under the mouse); true when it did.
    bool OpenSubmenu();
    // Ends the tracking of this view and every parent view.
    void CloseAll();
    // One tick of the scroll timer.
    void ScrollTick();
    // The modal loop of this level; returns when it closes.
    void Track();

protected:
    // Sizes the window for a content of `content`; menu bars keep theirs.
    virtual void SizeWindow(skin::TPoint /*content*/) {}
    // Draws `item` now (its rectangle only).
    virtual void PaintItemNow(TSeCustomItem* item);
    void DrawArrows(HDC dc);

private:
    void ShowHint(const TSeCustomItem* item);
    // Next or Previous.
    void Move(bool forward);
    void StartScrollTimer();
    void StopScrollTimer();
    // The steps of the loop (MenuTracking.cpp); each returns false when the
    // loop is to end.
    bool OnTrackingMessage(MSG& msg);
    bool OnButton(MSG& msg, bool down);
    bool OnMouseMove(MSG& msg);
    bool OnKey(MSG& msg);
    bool OnChar(MSG& msg);
    // The point of a mouse message in this view's client coordinates.
    skin::TPoint ClientPoint(const MSG& msg) const;
    bool InCurrentItem(skin::TPoint client) const;

    HWND window_;
    bool timer_ = false;
    skin::TPoint lastMouse_{-100000, -100000};
};

// The level whose tracking loop runs deepest, nullptr while no menu is open.
TSeItemView* DeepestOpenLevel();

// The view of a popup window: stacked, not a menu bar, drawn through its
// frame.
class TSePopupView : public TSeItemView {
public:
    TSePopupView(TSeCustomItem* item, TSeItemView* parentView, HWND window, TSePopupForm* frame);
    TSePopupForm* Frame() const { return frame_; }

protected:
    void SizeWindow(skin::TPoint content) override;
    void PaintItemNow(TSeCustomItem* item) override;

private:
    TSePopupForm* frame_;
};

}  // namespace skinui
