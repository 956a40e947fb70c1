#include "skinui/menus/ItemViewGeometry.h"

#include <algorithm>
#include <vector>

namespace skinui {

using skin::TPoint;
using skin::TRect;

TSeItemViewGeometry::TSeItemViewGeometry(TSeCustomItem* item, TSeItemViewGeometry* parentView, bool horizontal, bool menuBar)
    : item_(item), horizontal_(horizontal), menuBar_(menuBar), parentView_(parentView) {}

bool TSeItemViewGeometry::ScrolledStacked() const {
    return item_ && !horizontal_ && item_->Scrolled() && item_->ScrollCount() > 0;
}

int TSeItemViewGeometry::ShownCount() const {
    if (!item_) return 0;
    if (ScrolledStacked()) return std::max(0, std::min(item_->ScrollCount(), item_->Count() - item_->FirstVisible()));
    return item_->Count();
}

bool TSeItemViewGeometry::IsShown(int index) const {
    if (!item_ || index < 0 || index >= item_->Count()) return false;
    if (!ScrolledStacked()) return true;
    const int first = item_->FirstVisible();
    return index >= first && index < first + ShownCount();
}

TPoint TSeItemViewGeometry::LayoutItems(skin::SkinCanvas& canvas) {
    const int count = item_ ? item_->Count() : 0;
    std::vector<TPoint> sizes(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        TSeCustomItem* child = item_->Items(i);
        child->SetBounds(TRect{});
        if (child->Visible()) child->MeasureItem(canvas, *this, sizes[std::size_t(i)].X, sizes[std::size_t(i)].Y);
    }
    TPoint content{};
    if (!horizontal_) {
        const bool scrolled = ScrolledStacked();
        const int first = scrolled ? item_->FirstVisible() : 0;
        const int last = first + ShownCount();
        for (int i = 0; i < count; ++i) {
            if (item_->Items(i)->Visible()) content.X = std::max(content.X, sizes[std::size_t(i)].X);
        }
        const int top = origin_.Y + (scrolled ? kScrollStripHeight : 0);
        int running = 0;
        for (int i = std::max(first, 0); i < last && i < count; ++i) {
            TSeCustomItem* child = item_->Items(i);
            if (!child->Visible()) continue;
            running += sizes[std::size_t(i)].Y;
            child->SetBounds(TRect{origin_.X, top + running - sizes[std::size_t(i)].Y, origin_.X + content.X,
                                   top + running});
        }
        content.Y = running + (scrolled ? 2 * kScrollStripHeight : 0);
    } else {
        for (int i = 0; i < count; ++i) {
            if (!item_->Items(i)->Visible()) continue;
            content.X += sizes[std::size_t(i)].X;
            content.Y = std::max(content.Y, sizes[std::size_t(i)].Y);
        }
        // The window icon at the left end, then the ordinary items; close,
        // restore and minimize from the right end.
        int left = origin_.X;
        auto place = [&](int i, int x) {
            item_->Items(i)->SetBounds(TRect{x, origin_.Y, x + sizes[std::size_t(i)].X, origin_.Y + content.Y});
        };
        for (int i = 0; i < count; ++i) {
            TSeCustomItem* child = item_->Items(i);
            if (child->Visible() && child->SpecialKind() == kskWindowIcon) {
                place(i, left);
                left += sizes[std::size_t(i)].X;
            }
        }
        for (int i = 0; i < count; ++i) {
            TSeCustomItem* child = item_->Items(i);
            if (child->Visible() && child->SpecialKind() == kskNone) {
                place(i, left);
                left += sizes[std::size_t(i)].X;
            }
        }
        int right = origin_.X + content.X;
        for (TSeItemSpecialKind kind : {kskClose, kskRestore, kskMinimize}) {
            for (int i = 0; i < count; ++i) {
                TSeCustomItem* child = item_->Items(i);
                if (child->Visible() && child->SpecialKind() == kind) {
                    right -= sizes[std::size_t(i)].X;
                    place(i, right);
                }
            }
        }
    }
    contentSize_ = content;
    return content;
}

TRect TSeItemViewGeometry::UpArrowRect() const {
    if (!ScrolledStacked()) return TRect{};
    return TRect{origin_.X, origin_.Y, origin_.X + contentSize_.X, origin_.Y + kScrollStripHeight};
}

TRect TSeItemViewGeometry::DownArrowRect() const {
    if (!ScrolledStacked()) return TRect{};
    const int bottom = origin_.Y + contentSize_.Y;
    return TRect{origin_.X, bottom - kScrollStripHeight, origin_.X + contentSize_.X, bottom};
}

TSeArrowState TSeItemViewGeometry::ArrowAt(TPoint p) const {
    if (!ScrolledStacked()) return kasNone;
    if (skin::RectContains(UpArrowRect(), p.X, p.Y)) return kasUp;
    if (skin::RectContains(DownArrowRect(), p.X, p.Y)) return kasDown;
    return kasNone;
}

TSeCustomItem* TSeItemViewGeometry::ItemAt(TPoint p) const {
    if (!item_) return nullptr;
    for (int i = 0; i < item_->Count(); ++i) {
        TSeCustomItem* child = item_->Items(i);
        if (child->Visible() && IsShown(i) && skin::RectContains(child->Bounds(), p.X, p.Y)) return child;
    }
    return nullptr;
}

TSeCustomItem* TSeItemViewGeometry::StartingCurrent() const {
    const int count = item_ ? item_->Count() : 0;
    if (count == 0) return nullptr;
    int index = item_->FirstVisible();
    if (index < 0 || index >= count) index = count - 1;
    // Hidden items are never current: the first shown one from there on,
    // else the nearest one before it.
    auto visibleFrom = [&](int from, int step) {
        for (int i = from; i >= 0 && i < count; i += step)
            if (item_->Items(i)->Visible()) return i;
        return -1;
    };
    const int shown = visibleFrom(index, 1);
    index = shown >= 0 ? shown : visibleFrom(index - 1, -1);
    if (index < 0) return nullptr;
    if (item_->Items(index)->SpecialKind() != kskNone) {
        if (const int next = visibleFrom(index + 1, 1); next >= 0) index = next;
    }
    return item_->Items(index);
}

bool TSeItemViewGeometry::Step(bool forward, bool* scrolled) {
    if (scrolled) *scrolled = false;
    const int count = item_ ? item_->Count() : 0;
    if (count == 0) return false;
    const int start = current_ ? item_->IndexOf(current_) : -1;
    int index = start;
    int found = -1;
    for (int steps = 0; steps < count; ++steps) {
        if (forward) {
            index = index + 1 >= count ? 0 : index + 1;
        } else {
            index = index <= 0 ? count - 1 : index - 1;
        }
        if (index == start) break;  // back where the search began
        const TSeCustomItem* child = item_->Items(index);
        if (child->Visible() && !child->IsSeparator()) {
            found = index;
            break;
        }
    }
    if (found < 0) return false;
    current_ = item_->Items(found);
    if (ScrolledStacked()) {
        const int shown = item_->ScrollCount();
        const int before = item_->FirstVisible();
        int first = before;
        if (forward) {
            if (found < first) first = 0;
            if (found >= first + shown) first = found - shown + 1;
        } else {
            if (found >= first + shown) first = std::max(0, count - shown);
            if (found < first) first = found;
        }
        item_->SetFirstVisible(first);
        if (scrolled) *scrolled = first != before;
    }
    return true;
}

}  // namespace skinui
