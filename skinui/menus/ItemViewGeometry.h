// What an item view knows and decides without its window: which children
// of its item it shows and where (the layout of a level), the arrow strips
// of a scrolled level, the item under a point, and the keyboard and
// scrolling moves of the current item. TSeItemView (ItemView.h) adds the
// window, painting, the scroll timer and the tracking loop.
#pragma once

#include "skin/gfx/Rect.h"
#include "skinui/menus/MenuItem.h"

namespace skin {
class SkinCanvas;
}

namespace skinui {

// The up and down arrow strips of a scrolled level are this high.
inline constexpr int kScrollStripHeight = 10;
// No arrow, the up arrow, the down arrow.
enum TSeArrowState : int { kasNone = 0, kasUp = 1, kasDown = 2 };

class TSeItemViewGeometry {
public:
    TSeItemViewGeometry(TSeCustomItem* item, TSeItemViewGeometry* parentView, bool horizontal, bool menuBar);
    virtual ~TSeItemViewGeometry() = default;
    TSeItemViewGeometry(const TSeItemViewGeometry&) = delete;
    TSeItemViewGeometry& operator=(const TSeItemViewGeometry&) = delete;

    // The level's item and its current child; nullptr once freed (the
    // menu's owner may be destroyed while its levels are open).
    TSeCustomItem* Item() const { return TSeCustomItem::Alive(item_) ? item_ : nullptr; }
    TSeCustomItem* Current() const { return TSeCustomItem::Alive(current_) ? current_ : nullptr; }
    void SetCurrent(TSeCustomItem* item) { current_ = item; }
    bool Horizontal() const { return horizontal_; }
    bool IsMenuBar() const { return menuBar_; }
    skin::TPoint Origin() const { return origin_; }
    void SetOrigin(skin::TPoint origin) { origin_ = origin; }
    skin::TPoint ContentSize() const { return contentSize_; }
    TSeArrowState ArrowState() const { return arrowState_; }
    bool Tracking() const { return tracking_; }
    bool SubmenuOpen() const { return submenuOpen_; }
    void SetSubmenuOpen(bool value) { submenuOpen_ = value; }
    TSeItemViewGeometry* ParentView() const { return parentView_; }
    TSeItemViewGeometry* ChildView() const { return childView_; }
    void SetChildView(TSeItemViewGeometry* view) { childView_ = view; }

    // A stacked level whose item is Scrolled with a ScrollCount above 0.
    bool ScrolledStacked() const;
    // How many children from FirstVisible on the level shows.
    int ShownCount() const;
    bool IsShown(int index) const;

    // Measures the visible children on `canvas` and sets every child's
    // Bounds (empty for those not shown); stores and returns the content
    // size.
    skin::TPoint LayoutItems(skin::SkinCanvas& canvas);
    // The arrow strips; empty unless ScrolledStacked.
    skin::TRect UpArrowRect() const;
    skin::TRect DownArrowRect() const;
    TSeArrowState ArrowAt(skin::TPoint client) const;
    // The first visible, shown child whose Bounds hold the point.
    TSeCustomItem* ItemAt(skin::TPoint client) const;
    // The current child a tracking loop starts with.
    TSeCustomItem* StartingCurrent() const;

    // Moves Current to the next (or previous) child, wrapping around and
    // passing over separators and invisible children, and scrolls a
    // scrolled level so that Current is shown. Returns whether Current
    // changed; `scrolled` says whether FirstVisible did.
    bool Step(bool forward, bool* scrolled = nullptr);

protected:
    void SetArrowState(TSeArrowState state) { arrowState_ = state; }
    void SetTracking(bool value) { tracking_ = value; }

private:
    TSeCustomItem* item_;
    TSeCustomItem* current_ = nullptr;
    bool horizontal_;
    bool menuBar_;
    skin::TPoint origin_{};
    skin::TPoint contentSize_{};
    TSeArrowState arrowState_ = kasNone;
    bool tracking_ = false;
    bool submenuOpen_ = false;
    TSeItemViewGeometry* parentView_;
    TSeItemViewGeometry* childView_ = nullptr;
};

}  // namespace skinui
