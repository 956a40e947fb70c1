#include "skinui/menus/win32/SkinPopupWindow.h"

#include "skin/objects/win32/SkinCanvasDC.h"
#include "skin/SkinEngine.h"
#include "skin/objects/SkinObject.h"
#include "skin/storage/SkinSource.h"
#include "skinui/menus/SkinItem.h"

namespace skinui {

using skin::TRect;

namespace {

// Around the items when the skin's popup menu has no "Frame".
constexpr int kFramelessInset = 3;

}  // namespace

// ---- the frame ---------------------------------------------------------------------

TSeSkinPopupForm::TSeSkinPopupForm(framework::TComponent* owner, skin::TSeSkinEngine* engine)
    : TSePopupForm(owner) {
    binding_.SetEngine(engine, nullptr);
}

skin::TSeSkinObject* TSeSkinPopupForm::PopupMenuObject() const {
    skin::TSeSkinSource* source = binding_.Source();
    return source ? source->GetObjectByName("PopupMenu") : nullptr;
}

TRect TSeSkinPopupForm::PopupClientRect(int width, int height) {
    skin::TSeSkinObject* popup = PopupMenuObject();
    if (!popup) return TSePopupForm::PopupClientRect(width, height);
    if (skin::TSeSkinObject* frame = popup->FindByName("Frame")) {
        return TRect{frame->MarginLeft(), frame->MarginTop(), width - frame->MarginRight(),
                     height - frame->MarginBottom()};
    }
    return TRect{kFramelessInset, kFramelessInset, width - kFramelessInset, height - kFramelessInset};
}

void TSeSkinPopupForm::PaintNonClient(HDC dc) {
    skin::TSeSkinObject* popup = PopupMenuObject();
    if (!popup) {
        TSePopupForm::PaintNonClient(dc);
        return;
    }
    skin::TSeSkinObject* frame = popup->FindByName("Frame");
    if (!frame) return;
    frame->SetBounds(TRect{0, 0, FrameWidth(), FrameHeight()});
    skin::SkinCanvasDC canvas(dc);
    frame->Draw(canvas);
}

void TSeSkinPopupForm::Notification(framework::TComponent* component, framework::TOperation operation) {
    if (operation == framework::TOperation::opRemove) binding_.EngineRemoved(component);
    TSePopupForm::Notification(component, operation);
}

// ---- the window --------------------------------------------------------------------

TSeSkinPopupWindow::TSeSkinPopupWindow(TSeSkinItem* item, TSeItemView* parentView, framework::TComponent* owner)
    : TSePopupWindow(item, parentView, owner) {
    binding_.SetEngine(item ? item->SkinEngine() : nullptr, nullptr);
}

TSePopupForm* TSeSkinPopupWindow::CreateFrame() { return new TSeSkinPopupForm(this, binding_.Engine()); }

void TSeSkinPopupWindow::Notification(framework::TComponent* component, framework::TOperation operation) {
    if (operation == framework::TOperation::opRemove) binding_.EngineRemoved(component);
    TSePopupWindow::Notification(component, operation);
}

void InstallSkinPopupWindows() {
    TSeSkinItem::PopupWindowFactory() = [](TSeSkinItem& item, TSeItemView* parentView,
                                           framework::TComponent* owner) -> TSePopupWindow* {
        return new TSeSkinPopupWindow(&item, parentView, owner);
    };
}

}  // namespace skinui
