#include "skinui/menus/MenuItem.h"

#include <algorithm>
#include <unordered_set>

#include "framework/Property.h"
#include "framework/TextUtil.h"

namespace skinui {

namespace {

std::unordered_set<const TSeCustomItem*>& LiveItems() {
    static std::unordered_set<const TSeCustomItem*> items;
    return items;
}

// A click that changes the tree may make the same item carry the code
// again and again; the search is repeated at most this often.
constexpr int kMaxShortCutSearches = 16;

}  // namespace

const framework::PropertyTable& TSeCustomItem::ClassProperties() {
    using T = TSeCustomItem;
    static const framework::PropertyTable table(
        &framework::TComponent::ClassProperties(),
        {
            framework::ComponentProperty("Action", &T::Action, &T::SetAction),
            framework::IntegerProperty("HelpContext", &T::HelpContext, &T::SetHelpContext, 0),
            framework::StringProperty("Hint", &T::Hint, &T::SetHint),
            framework::BooleanProperty("Checked", &T::Checked, &T::SetChecked, false),
            framework::BooleanProperty("Enabled", &T::Enabled, &T::SetEnabled, true),
            framework::StringProperty("Caption", &T::Caption, &T::SetCaption),
            framework::IntegerProperty("ImageIndex", &T::ImageIndex, &T::SetImageIndex, -1),
            framework::ComponentProperty("Images", &T::Images, &T::SetImages),
            framework::BooleanProperty("Scrolled", &T::Scrolled, &T::SetScrolled, false),
            framework::IntegerProperty("ScrollCount", &T::ScrollCount, &T::SetScrollCount, 0),
            framework::IntegerProperty("ShortCut", &T::ShortCut, &T::SetShortCut, 0),
            framework::BooleanProperty("Visible", &T::Visible, &T::SetVisible, true),
            framework::EventProperty("OnClick", &T::OnClickName, &T::SetOnClick),
            framework::EventProperty("OnBeforeDropDown", &T::OnBeforeDropDownName, &T::SetOnBeforeDropDown),
        });
    return table;
}

TSeCustomItem::TSeCustomItem(framework::TComponent* owner) : TComponent(owner) { LiveItems().insert(this); }

TSeCustomItem::~TSeCustomItem() {
    BeginDestruction();
    LiveItems().erase(this);
    while (!items_.empty()) {
        TSeCustomItem* child = items_.back();
        items_.pop_back();
        child->parent_ = nullptr;
        delete child;
    }
    if (parent_) parent_->Remove(this);
    if (action_) action_->UnregisterChanges(this);
}

bool TSeCustomItem::Alive(const TSeCustomItem* item) { return item && LiveItems().count(item) != 0; }

std::function<bool(TSeCustomItem&)>& TSeCustomItem::ClickPoster() {
    static std::function<bool(TSeCustomItem&)> poster;
    return poster;
}

// ---- the tree ----------------------------------------------------------------

TSeCustomItem* TSeCustomItem::Items(int index) const {
    return index >= 0 && index < Count() ? items_[std::size_t(index)] : nullptr;
}

int TSeCustomItem::IndexOf(const TSeCustomItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

void TSeCustomItem::Add(TSeCustomItem* item) { Insert(Count(), item); }

void TSeCustomItem::Insert(int index, TSeCustomItem* item) {
    if (!item) return;
    if (item->parent_) throw EZtItemError(std::string(kItemAlreadyInserted));
    // An item cannot hold itself or one of its parents.
    for (TSeCustomItem* p = this; p; p = p->parent_) {
        if (p == item) throw EZtItemError(std::string(kItemAlreadyInserted));
    }
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
}

void TSeCustomItem::Remove(TSeCustomItem* item) {
    const int index = IndexOf(item);
    if (index >= 0) Delete(index);
}

void TSeCustomItem::Delete(int index) {
    TSeCustomItem* item = Items(index);
    if (!item) return;
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
}

TSeCustomItem* TSeCustomItem::Root() {
    TSeCustomItem* item = this;
    while (item->parent_) item = item->parent_;
    return item;
}

std::vector<framework::TComponent*> TSeCustomItem::GetChildren() const {
    return std::vector<framework::TComponent*>(items_.begin(), items_.end());
}

void TSeCustomItem::SetParentComponent(framework::TComponent* parent) {
    if (auto* item = dynamic_cast<TSeCustomItem*>(parent)) item->Add(this);
}

// ---- properties -----------------------------------------------------------------

void TSeCustomItem::SetOnClick(const std::string& name, framework::TNotifyEvent handler) {
    onClickName_ = name;
    onClick = std::move(handler);
    clickFromAction_ = false;
}

void TSeCustomItem::SetOnBeforeDropDown(const std::string& name, framework::TNotifyEvent handler) {
    onBeforeDropDownName_ = name;
    onBeforeDropDown = std::move(handler);
}

void TSeCustomItem::SetImages(framework::TCustomImageList* images) {
    if (images == images_) return;
    if (images_) RemoveFreeNotification(images_);
    images_ = images;
    if (images_) FreeNotification(images_);
}

void TSeCustomItem::SetAction(framework::TAction* action) {
    if (action == action_) return;
    if (action_) {
        action_->UnregisterChanges(this);
        RemoveFreeNotification(action_);
    }
    action_ = action;
    if (!action_) return;
    FreeNotification(action_);
    action_->RegisterChanges(this);
    TakeFromAction(*action_, Loading());
}

void TSeCustomItem::ActionChanged(framework::TAction& action) {
    if (&action == action_) TakeFromAction(action, false);
}

void TSeCustomItem::TakeFromAction(const framework::TAction& a, bool onlyDefaults) {
    if (!onlyDefaults || caption_.empty()) caption_ = a.Caption();
    if (!onlyDefaults || !checked_) checked_ = a.Checked();
    if (!onlyDefaults || enabled_) enabled_ = a.Enabled();
    if (!onlyDefaults || helpContext_ == 0) helpContext_ = a.HelpContext();
    if (!onlyDefaults || hint_.empty()) hint_ = a.Hint();
    if (!onlyDefaults || imageIndex_ == -1) imageIndex_ = a.ImageIndex();
    if (!onlyDefaults || shortCut_ == 0) shortCut_ = a.ShortCut();
    if (!onlyDefaults || visible_) visible_ = a.Visible();
    if (!onlyDefaults || !onClick) {
        onClickName_ = a.OnExecuteName();
        onClick = a.onExecute;
        clickFromAction_ = true;
    }
}

void TSeCustomItem::Notification(framework::TComponent* component, framework::TOperation operation) {
    if (operation == framework::TOperation::opRemove) {
        if (component == action_) {
            // The action is going: it forgets its clients itself.
            action_ = nullptr;
            if (clickFromAction_) {
                onClick = nullptr;
                onClickName_.clear();
                clickFromAction_ = false;
            }
        }
        if (component == images_) images_ = nullptr;
        // Every item of a subtree asked for the owner control's notice itself.
        if (component == ownerControl_) ownerControl_ = nullptr;
    }
    TComponent::Notification(component, operation);
}

framework::TCustomImageList* TSeCustomItem::ImageList() const {
    if (images_) return images_;
    const TSeCustomItem* item = this;
    while (item->parent_) item = item->parent_;
    return item->images_;
}

bool TSeCustomItem::HasImage() const {
    const framework::TCustomImageList* list = ImageList();
    return list && imageIndex_ >= 0 && imageIndex_ < list->Count();
}

// ---- subtree settings ---------------------------------------------------------------

void TSeCustomItem::SetOwnerControl(framework::TComponent* control) {
    ForSubtree([control](TSeCustomItem& item) {
        if (item.ownerControl_ == control) return;
        if (item.ownerControl_) item.RemoveFreeNotification(item.ownerControl_);
        item.ownerControl_ = control;
        if (control) item.FreeNotification(control);
    });
}
void TSeCustomItem::SetOptions(TSePopupMenuOptions* options) {
    ForSubtree([options](TSeCustomItem& item) { item.options_ = options; });
}
void TSeCustomItem::SetAnimateFirst(bool value) {
    ForSubtree([value](TSeCustomItem& item) { item.animateFirst_ = value; });
}
void TSeCustomItem::SetInPopup(bool value) {
    ForSubtree([value](TSeCustomItem& item) { item.inPopup_ = value; });
}
void TSeCustomItem::SetRightToLeft(bool value) {
    ForSubtree([value](TSeCustomItem& item) { item.rightToLeft_ = value; });
}
void TSeCustomItem::SetForeground(bool value) {
    ForSubtree([value](TSeCustomItem& item) { item.foreground_ = value; });
}

// ---- choosing ----------------------------------------------------------------------

void TSeCustomItem::Click() {
    if (IsSeparator() || Count() > 0 || !enabled_) return;
    if (auto& poster = ClickPoster(); poster && poster(*this)) return;
    RunClick();
}

void TSeCustomItem::RunClick() {
    if (onClick && action_ && !clickFromAction_ &&
        (onClickName_.empty() || onClickName_ != action_->OnExecuteName())) {
        onClick(*this);
    } else if (action_) {
        action_->Execute();
    } else if (onClick) {
        onClick(*this);
    }
}

// ---- searches -----------------------------------------------------------------------

TSeCustomItem* TSeCustomItem::FindByAccelerator(char character) const {
    const char wanted = framework::UpperAscii(character);
    for (TSeCustomItem* child : items_) {
        if (!child->visible_) continue;  // never current, so never chosen
        const std::string& caption = child->caption_;
        for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
            if (caption[i] == '&' && framework::UpperAscii(caption[i + 1]) == wanted) return child;
        }
    }
    return nullptr;
}

TSeCustomItem* TSeCustomItem::FindByShortCut(int shortCut) {
    if (shortCut_ == shortCut) return this;
    for (TSeCustomItem* child : items_) {
        if (TSeCustomItem* found = child->FindByShortCut(shortCut)) return found;
    }
    return nullptr;
}

TSeCustomItem* TSeCustomItem::FindByClickHandler(std::string_view handlerName) {
    if (onClick && onClickName_ == handlerName) return this;
    for (TSeCustomItem* child : items_) {
        if (TSeCustomItem* found = child->FindByClickHandler(handlerName)) return found;
    }
    return nullptr;
}

bool DispatchShortCut(TSeCustomItem& tree, int code, const std::function<void(const std::exception&)>& onError) {
    if (code == 0) return false;
    TSeCustomItem* found = tree.FindByShortCut(code);
    if (!found) return false;
    for (int search = 0; search < kMaxShortCutSearches && found; ++search) {
        std::vector<TSeCustomItem*> path;
        for (TSeCustomItem* item = found; item; item = item->Parent()) path.push_back(item);
        for (auto it = path.rbegin(); it != path.rend(); ++it) {
            TSeCustomItem* item = *it;
            // A click earlier on the path may have destroyed the rest.
            if (!TSeCustomItem::Alive(item) || !item->Enabled()) break;
            try {
                item->Click();
            } catch (const std::exception& error) {
                if (onError) onError(error);
            }
        }
        if (TSeCustomItem::Alive(found) && found->ShortCut() == code) break;
        if (!TSeCustomItem::Alive(&tree)) break;
        found = tree.FindByShortCut(code);
    }
    return true;
}

}  // namespace skinui
