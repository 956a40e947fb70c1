#include "skinui/menus/SkinItem.h"

#include <memory>

#include "skin/objects/SkinCanvas.h"
#include "skin/SkinEngine.h"
#include "skin/objects/SkinObject.h"
#include "skin/objects/SkinObjectClasses.h"
#include "skin/storage/SkinSource.h"
#include "skinui/menus/ItemViewGeometry.h"
#include "skinui/menus/MenuGlyphs.h"
#include "skinui/menus/MenuLayout.h"
#include "skinui/menus/MenuMetrics.h"
#include "skinui/menus/SeImageList.h"

namespace skinui {

using skin::TRect;
using skin::TSeSkinObject;

namespace {

// The submenu arrow takes this many pixels at the right of a popup item.
constexpr int kArrowColumn = 22;
// A popup item is this much wider than its caption, short-cut and check column.
constexpr int kPopupExtraWidth = 42;
// The square a maximized child window's icon is drawn in.
constexpr int kWindowIconSize = 16;

const char* ButtonName(TSeItemSpecialKind kind) {
    switch (kind) {
        case kskClose: return "Close";
        case kskRestore: return "Restore";
        case kskMinimize: return "Min";
        default: return nullptr;
    }
}

}  // namespace

int SkinItemState(bool hot, bool selected) {
    if (!selected) return skin::kStateNormal;
    return hot ? skin::kStateHot : skin::kStateFocused;
}

TSeSkinItem::TSeSkinItem(framework::TComponent* owner) : TSeCustomItem(owner) {}

TSeSkinItem::~TSeSkinItem() { BeginDestruction(); }

TSeSkinItem::PopupWindowMaker& TSeSkinItem::PopupWindowFactory() {
    static PopupWindowMaker maker;
    return maker;
}

// ---- binding ----------------------------------------------------------------------

void TSeSkinItem::SetSkinEngine(skin::TSeSkinEngine* engine) {
    Bind(engine);
    for (int i = 0; i < Count(); ++i) {
        if (auto* child = dynamic_cast<TSeSkinItem*>(Items(i))) child->SetSkinEngine(engine);
    }
}

void TSeSkinItem::ClearObjects() {
    menuBar_ = popupMenu_ = barItem_ = popupItem_ = separator_ = nullptr;
}

void TSeSkinItem::Bind(skin::TSeSkinEngine* engine) {
    binding_.SetEngine(engine, nullptr);
    ClearObjects();
    skin::TSeSkinSource* source = binding_.Source();
    if (!source) return;
    menuBar_ = source->GetObjectByName("MenuBar");
    popupMenu_ = source->GetObjectByName("PopupMenu");
    if (menuBar_) barItem_ = menuBar_->FindByName(ToolBarItem() ? "ToolbarItem" : "Item");
    if (popupMenu_) {
        popupItem_ = popupMenu_->FindByName("Item");
        separator_ = popupMenu_->FindByName("Separator");
    }
}

bool TSeSkinItem::SkinUsable() {
    if (Loading() || Destroying()) return false;
    if (!binding_.Source()) return false;
    // Objects taken from a skin that has since been replaced may be freed.
    if (binding_.Stale()) Bind(binding_.Engine());
    return menuBar_ && popupMenu_;
}

void TSeSkinItem::Notification(framework::TComponent* component, framework::TOperation operation) {
    if (operation == framework::TOperation::opRemove && binding_.EngineRemoved(component)) ClearObjects();
    TSeCustomItem::Notification(component, operation);
}

TSePopupWindow* TSeSkinItem::CreatePopupWindow(TSeItemView* parentView, framework::TComponent* owner) {
    const PopupWindowMaker& maker = PopupWindowFactory();
    return maker ? maker(*this, parentView, owner) : nullptr;
}

// ---- measuring ------------------------------------------------------------------------

void TSeSkinItem::MeasureItem(skin::SkinCanvas& canvas, const TSeItemViewGeometry& view, int& width, int& height) {
    const bool usable = SkinUsable();
    if (usable && view.IsMenuBar() && barItem_) {
        canvas.SetFont(*barItem_->GetFont());
        width = canvas.TextWidth(Widen(Caption())) + barItem_->TextMarginLeft() + barItem_->TextMarginRight();
        height = barItem_->Height();
        if (SpecialKind() != kskNone) width = height;
        return;
    }
    if (usable && !view.IsMenuBar() && popupItem_) {
        canvas.SetFont(*popupItem_->GetFont());
        const int column = CheckColumnWidth();
        const std::wstring shortCut = ShortCut() != 0 ? Widen(ShortCutToText(ShortCut())) : std::wstring();
        width = canvas.TextWidth(Widen(Caption())) + column + canvas.TextWidth(shortCut) + kPopupExtraWidth;
        height = popupItem_->Height();
        if (!IsSeparator() && height < column - 4) height = column + 4;
        return;
    }
    TSeCustomItem::MeasureItem(canvas, view, width, height);
}

// ---- drawing ----------------------------------------------------------------------------

void TSeSkinItem::DrawItem(skin::SkinCanvas& canvas, const TSeItemViewGeometry& view, bool hot, bool selected,
                           const TRect& rect) {
    const bool usable = SkinUsable();
    if (usable && view.IsMenuBar()) {
        if (const char* name = ButtonName(SpecialKind())) {
            // A missing button draws nothing: the plain look has none either.
            if (TSeSkinObject* button = menuBar_->FindByName(name)) {
                button->SetState(SkinItemState(hot, selected));
                button->SetBounds(skin::CenterRect(skin::MakeBounds(0, 0, button->Width(), button->Height()), rect));
                button->Draw(canvas);
            }
            return;
        }
        if (barItem_) {
            DrawBarItem(canvas, hot, selected, rect);
            return;
        }
    } else if (usable && popupItem_) {
        DrawPopupItem(canvas, hot, selected, rect);
        return;
    }
    TSeCustomItem::DrawItem(canvas, view, hot, selected, rect);
}

void TSeSkinItem::DrawBarItem(skin::SkinCanvas& canvas, bool hot, bool selected, const TRect& rect) {
    barItem_->SetState(SkinItemState(hot, selected));
    canvas.SetFont(*barItem_->GetFont());
    barItem_->SetBounds(rect);
    barItem_->SetText(Widen(Caption()));
    barItem_->SetEnabled(Enabled());
    barItem_->Draw(canvas);
    if (SpecialKind() == kskWindowIcon) {
        // The forms of this framework carry no icon of their own: the
        // canvas draws the application's, else the system's.
        const TRect square = skin::CenterRect(skin::MakeBounds(0, 0, kWindowIconSize, kWindowIconSize), rect);
        canvas.DrawIcon(nullptr, square.Left, square.Top);
    }
}

void TSeSkinItem::DrawPopupItem(skin::SkinCanvas& canvas, bool hot, bool selected, const TRect& rect) {
    TSeSkinObject& item = *popupItem_;
    item.SetBounds(rect);
    item.SetText(Widen(Caption()));
    if (IsSeparator()) {
        // The object's text "-" draws the line when there is no separator.
        item.SetState(skin::kStateNormal);
        canvas.SetFont(*item.GetFont());
        if (separator_) {
            separator_->SetBounds(rect);
            separator_->SetState(skin::kStateNormal);
            separator_->Draw(canvas);
        } else {
            item.Draw(canvas);
        }
        return;
    }
    // The state first: an object's font may depend on it.
    item.SetState(SkinItemState(hot, selected));
    canvas.SetFont(*item.GetFont());
    item.SetEnabled(Enabled());
    item.SetShortCutText(ShortCut() != 0 ? Widen(ShortCutToText(ShortCut())) : std::wstring());
    const int columnWidth = CheckColumnWidth();
    // The caption starts after the check column (a lasting change of the
    // skin's object: every item of the skin shares it).
    if (item.TextMarginLeft() < columnWidth) item.SetTextMarginLeft(columnWidth);
    item.Draw(canvas);

    const skin::TColor color = item.GetFont()->Color();
    const TRect column{rect.Left, rect.Top, rect.Left + columnWidth, rect.Bottom};
    if (HasImage()) {
        framework::TCustomImageList* images = ImageList();
        const TRect placed = skin::CenterRect(skin::MakeBounds(0, 0, images->Width(), images->Height()), column);
        if (auto* list = dynamic_cast<TSeImageList*>(images)) {
            list->Draw(canvas, ImageIndex(), placed.Left, placed.Top, Enabled());
        }
    } else if (Checked()) {
        DrawCheckMark(canvas, column, rect, color);
    }
    if (Count() > 0) DrawSubmenuArrow(canvas, TRect{rect.Right - kArrowColumn, rect.Top, rect.Right, rect.Bottom}, color);
}

void TSeSkinItem::DrawScrollArrow(skin::SkinCanvas& canvas, const TSeItemViewGeometry& view, bool selected, int direction,
                                  const TRect& rect) {
    std::unique_ptr<TSeSkinObject> strip;
    // A copy, so that the arrow's state and empty text leave the items' object alone.
    if (SkinUsable() && popupItem_) strip.reset(skin::CloneObject(*popupItem_, nullptr));
    if (!strip) {
        TSeCustomItem::DrawScrollArrow(canvas, view, selected, direction, rect);
        return;
    }
    strip->SetBounds(rect);
    strip->SetText(std::wstring());
    strip->SetState(selected ? skin::kStateFocused : skin::kStateNormal);
    strip->Draw(canvas);
    canvas.SetFont(*strip->GetFont());
    const skin::TColor color = strip->GetFont()->Color();
    strip.reset();
    DrawScrollTriangle(canvas, rect, direction, color);
}

}  // namespace skinui
