#include "skinui/menus/win32/ItemView.h"

#include <cstring>
#include <memory>

#include "framework/win32/Application.h"
#include "skin/objects/win32/SkinCanvasDC.h"
#include "skinui/menus/MenuColors.h"
#include "skinui/menus/MenuMetrics.h"
#include "skinui/menus/win32/PopupWindow.h"

namespace skinui {

using skin::TPoint;
using skin::TRect;

TSeItemView::TSeItemView(TSeCustomItem* item, TSeItemView* parentView, HWND window, bool horizontal, bool menuBar)
    : TSeItemViewGeometry(item, parentView, horizontal, menuBar), window_(window) {}

TSeItemView::~TSeItemView() { StopScrollTimer(); }

void TSeItemView::Layout() {
    if (!IsWindow(window_) || !Item()) return;
    HDC dc = GetDC(window_);
    TPoint content{};
    {
        skin::SkinCanvasDC canvas(dc);
        canvas.SetFont(MenuFont());
        content = LayoutItems(canvas);
    }
    ReleaseDC(window_, dc);
    SizeWindow(content);
}

void TSeItemView::DrawArrows(HDC dc) {
    if (!ScrolledStacked()) return;
    skin::SkinCanvasDC canvas(dc);
    canvas.SetFont(MenuFont());
    Item()->DrawScrollArrow(canvas, *this, ArrowState() == kasUp, kasUp, UpArrowRect());
    Item()->DrawScrollArrow(canvas, *this, ArrowState() == kasDown, kasDown, DownArrowRect());
}

void TSeItemView::Paint(HDC dc) {
    if (!Item()) return;
    DrawArrows(dc);
    skin::SkinCanvasDC canvas(dc);
    canvas.SetFont(MenuFont());
    for (int i = 0; i < Item()->Count(); ++i) {
        TSeCustomItem* child = Item()->Items(i);
        if (!child->Visible() || !IsShown(i) || child->PaintSuppressed()) continue;
        child->DrawItem(canvas, *this, !Tracking(), child == Current(), child->Bounds());
    }
}

void TSeItemView::Repaint() {
    if (!IsWindow(window_)) return;
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void TSeItemView::RepaintItem(TSeCustomItem* item) {
    if (!item || !Item() || !IsWindow(window_)) return;
    const int index = Item()->IndexOf(item);
    if (index < 0 || !item->Visible() || !IsShown(index) || skin::RectIsEmpty(item->Bounds())) return;
    PaintItemNow(item);
}

void TSeItemView::PaintItemNow(TSeCustomItem* item) {
    HDC dc = GetDC(window_);
    if (!dc) return;
    const TRect r = item->Bounds();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
    {
        skin::SkinCanvasDC canvas(dc);
        canvas.SetFont(MenuFont());
        item->DrawItem(canvas, *this, !Tracking(), item == Current(), r);
    }
    RestoreDC(dc, saved);
    ReleaseDC(window_, dc);
}

void TSeItemView::RepaintArrows() {
    if (!ScrolledStacked() || !IsWindow(window_)) return;
    HDC dc = GetDC(window_);
    if (!dc) return;
    DrawArrows(dc);
    ReleaseDC(window_, dc);
}

void TSeItemView::ShowHint(const TSeCustomItem* item) {
    framework::Application().SetHint(item ? item->Hint() : std::string());
}

// ---- the mouse and the scroll timer ----------------------------------------------

void TSeItemView::Hover(TPoint screen) {
    if (!IsWindow(window_) || !Item()) return;
    POINT p{screen.X, screen.Y};
    ScreenToClient(window_, &p);
    const TPoint client{p.x, p.y};
    TSeCustomItem* old = Current();
    if (!Tracking()) {
        SetCurrent(nullptr);
        ShowHint(nullptr);
    }
    if (ScrolledStacked()) {
        const TSeArrowState arrow = ArrowAt(client);
        if (arrow != kasNone) {
            if (arrow != ArrowState()) {
                SetArrowState(arrow);
                RepaintArrows();
            }
            StartScrollTimer();
        } else {
            const bool changed = ArrowState() != kasNone;
            StopScrollTimer();
            if (changed) RepaintArrows();
        }
    }
    if (TSeCustomItem* under = ItemAt(client)) {
        SetCurrent(under);
        ShowHint(under);
    }
    if (Current() != old) {
        RepaintItem(old);
        RepaintItem(Current());
    }
}

void TSeItemView::StartScrollTimer() {
    if (SubmenuOpen() && Child() && IsWindow(Child()->ViewWindow())) {
        PostMessageA(Child()->ViewWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
    }
    if (!timer_ && IsWindow(window_)) timer_ = SetTimer(window_, kScrollTimerId, kScrollInterval, nullptr) != 0;
}

void TSeItemView::StopScrollTimer() {
    if (timer_ && IsWindow(window_)) KillTimer(window_, kScrollTimerId);
    timer_ = false;
    SetArrowState(kasNone);
}

void TSeItemView::ScrollTick() {
    if (!Item() || !ScrolledStacked()) return;
    if (ArrowState() == kasUp && Item()->FirstVisible() > 0) {
        Previous();
    } else if (ArrowState() == kasDown && Item()->FirstVisible() + Item()->ScrollCount() < Item()->Count()) {
        Next();
    }
}

// ---- moving the current item -------------------------------------------------------

void TSeItemView::Next() { Move(true); }
void TSeItemView::Previous() { Move(false); }

void TSeItemView::Move(bool forward) {
    TSeCustomItem* old = Current();
    const bool changed = Step(forward);
    if (ScrolledStacked()) {
        Layout();
        Repaint();
    } else if (changed) {
        RepaintItem(old);
        RepaintItem(Current());
    }
    if (changed) ShowHint(Current());
    if (SubmenuOpen()) OpenSubmenu();
}

bool TSeItemView::OpenSubmenu() {
    TSeCustomItem* current = Current();
    if (!current || !current->Enabled() || current->Count() == 0 || ArrowState() != kasNone) return false;
    if (!IsWindow(window_)) return false;
    const TRect b = current->Bounds();
    POINT corners[2] = {{b.Left, b.Top}, {b.Right, b.Bottom}};
    MapWindowPoints(window_, nullptr, corners, 2);
    const TRect anchor{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    const TPoint at = IsMenuBar() ? TPoint{anchor.Left, anchor.Bottom} : TPoint{anchor.Right, anchor.Top};
    SetSubmenuOpen(true);
    current->ShowSubItems(this, at.X, at.Y, anchor);
    return true;
}

void TSeItemView::CloseAll() {
    for (TSeItemView* view = this; view; view = view->Parent()) {
        view->SetTracking(false);
        view->SetCurrent(nullptr);
        view->SetSubmenuOpen(false);
        view->Repaint();
    }
}

// ---- the popup view -------------------------------------------------------------------

TSePopupView::TSePopupView(TSeCustomItem* item, TSeItemView* parentView, HWND window, TSePopupForm* frame)
    : TSeItemView(item, parentView, window, false, false), frame_(frame) {}

void TSePopupView::SizeWindow(TPoint content) {
    if (!frame_ || !IsWindow(ViewWindow())) return;
    constexpr int kProbe = 1000;
    const TRect client = frame_->PopupClientRect(kProbe, kProbe);
    const int shadow = frame_->Shadow()->Depth();
    const int width = content.X + client.Left + (kProbe - client.Right) + shadow;
    const int height = content.Y + client.Top + (kProbe - client.Bottom) + shadow;
    SetWindowPos(ViewWindow(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TSePopupView::PaintItemNow(TSeCustomItem* item) {
    if (!frame_ || !frame_->Buffers()) {
        TSeItemView::PaintItemNow(item);
        return;
    }
    // A buffered frame (translucent) repaints the item's rectangle with the
    // background under it; the other items stay out of that paint.
    for (int i = 0; i < Item()->Count(); ++i) Item()->Items(i)->SetPaintSuppressed(Item()->Items(i) != item);
    const TRect r = item->Bounds();
    std::uint8_t request[17] = {0};
    const std::int32_t edges[4] = {r.Left, r.Top, r.Right, r.Bottom};
    std::memcpy(request + 1, edges, sizeof edges);
    HDC dc = GetDC(ViewWindow());
    if (dc) {
        TMessage m{WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(request), 0};
        frame_->Dispatch(m);
        ReleaseDC(ViewWindow(), dc);
    }
    for (int i = 0; i < Item()->Count(); ++i) Item()->Items(i)->SetPaintSuppressed(false);
}

}  // namespace skinui
