// The base of popup menu components: something that shows a menu at a
// screen point when asked.
#pragma once

#include <string>
#include <string_view>

#include "framework/Component.h"

namespace framework {

class TPopupMenu : public TComponent {
public:
    static constexpr std::string_view kClassName = "TPopupMenu";
    explicit TPopupMenu(TComponent* owner) : TComponent(owner) {}
    std::string_view ClassName() const override { return kClassName; }

    // Shows the menu with its top-left corner at the screen point (x, y)
    // and returns once it has closed.
    virtual void Popup(int x, int y) = 0;

    // Run just before the menu is shown.
    TNotifyEvent onPopup;
    const std::string& OnPopupName() const { return onPopupName_; }
    void SetOnPopup(const std::string& name, TNotifyEvent handler) {
        onPopupName_ = name;
        onPopup = std::move(handler);
    }

private:
    std::string onPopupName_;
};

}  // namespace framework
