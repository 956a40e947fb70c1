// TSeSkinForm: the form frame drawn from a skin. It keeps its own copy of
// the skin's form object (FormObject) and takes from it the region, the
// client bounds (its first skClient object), the caption (its first
// skTitle object, given the form's caption text), every pixel of the frame
// and the hit codes. Without a usable skin, or with BorderStyle kbsNone,
// it is the plain frame of TSeCustomForm.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "skin/SkinEngine.h"
#include "skin/objects/SkinObject.h"
#include "skin/objects/win32/SkinObjectWindow.h"
#include "skinui/controls/SkinBinding.h"
#include "skinui/frame/win32/SeCustomForm.h"

namespace skinui {

class TSeSkinForm : public TSeCustomForm {
public:
    static constexpr std::string_view kClassName = "TSeSkinForm";
    static constexpr std::string_view kVersion = "3.1.4";
    explicit TSeSkinForm(framework::TComponent* owner);
    ~TSeSkinForm() override;
    std::string_view ClassName() const override { return kClassName; }
    const framework::PropertyTable& Properties() const override { return ClassProperties(); }
    // TSeCustomForm's, then SkinEngine, SkinObject, Version (read, not
    // stored), OnCustomAction.
    static const framework::PropertyTable& ClassProperties();

    skin::TSeSkinEngine* SkinEngine() const { return binding_.Engine(); }
    // Links the skin: takes a new copy of the form object (see SkinObject).
    void SetSkinEngine(skin::TSeSkinEngine* engine);
    // The skin object to copy: "Form" (exactly) names the skin's form
    // object; any other name is looked up, the form object standing in
    // when nothing has that name.
    const std::string& SkinObject() const { return binding_.ObjectName(); }
    void SetSkinObject(const std::string& name) { binding_.SetObjectName(name); }
    const std::string& Version() const;
    void SetVersion(const std::string&) {}

    skin::TSeSkinObject* FormObject() const { return binding_.Copy(); }
    skin::TSeSkinObject* ClientObject() const { return clientObject_; }
    skin::TSeSkinObject* TitleObject() const { return titleObject_; }
    skin::TSeSkinObject* HoverObject() const { return hoverObject_; }
    // True when the frame draws from its skin now: not while the skin's
    // objects were replaced without an announcement until the frame has
    // taken its copy again (at its next message).
    bool SkinUsable() const;

    // A skin system button whose action is the custom one.
    std::function<void(TSeSkinForm& sender, skin::TSeSkinObject& button)> onCustomAction;
    const std::string& OnCustomActionName() const { return onCustomActionName_; }
    // A stored method is called with the frame only.
    void SetOnCustomAction(const std::string& name, framework::TNotifyEvent handler);

    HRGN CreateFrameRegion() override;
    skin::TRect GetClientBounds() override;
    skin::TRect GetMaximizedBounds() override;
    skin::TPoint GetMaxTrackSize() override;
    void PaintNonClient(HDC dc) override;
    void PaintClientBackground(HDC dc) override;
    TSeFrameHit HitTest(int x, int y) override;
    void FrameMouseDown(skin::TMouseButton button, skin::TShiftState shift, int x, int y) override;
    void FrameMouseMove(skin::TShiftState shift, int x, int y) override;
    void FrameMouseUp(skin::TMouseButton button, skin::TShiftState shift, int x, int y) override;
    void CustomAction(skin::TSeSkinObject& sender) override;

    // Once every 100 ms while the frame is active: which skin object the
    // mouse is over, told to the objects as MouseEnter and MouseLeave.
    void TrackHover();

    void Loaded() override;
    void Notification(framework::TComponent* component, framework::TOperation operation) override;

protected:
    void HandleMessage(TMessage& message) override;
    // System menu items drawn from this frame's engine ("PopupMenu"). The
    // menu is built again for every popup, so the items always hold the
    // skin's current objects.
    TSeCustomItem* CreateSystemMenuItem() override;

private:
    // The skinned geometry applies (a usable skin and a border).
    bool SkinnedGeometry() const;
    void DropFormObject();
    void StartHoverTimer();
    void StopHoverTimer();
    void TellComponentsObjectsChanged();
    void GiveOwnerFixedSize();

    // The copy of the skin's form object (FormObject); the pointers below
    // point into it.
    SkinBinding binding_;
    std::string onCustomActionName_;
    skin::TSeSkinObject* clientObject_ = nullptr;
    skin::TSeSkinObject* titleObject_ = nullptr;
    skin::TSeSkinObject* hoverObject_ = nullptr;
    skin::TSeSkinObject* pressedObject_ = nullptr;
    skin::SkinObjectWindow objectWindow_{nullptr};
    bool hoverTimer_ = false;
    bool painting_ = false;
};

// Registers TSeSkinForm with the class registry, so that form descriptions
// can create it. Later calls do nothing.
void RegisterFormClasses();

}  // namespace skinui
