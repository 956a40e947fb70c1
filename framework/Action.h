// Actions: a command with the look of the controls that run it (caption,
// check state, enabled state, image, short-cut...). Controls linked to an
// action follow its changes through TActionClient and run it through
// Execute.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/Component.h"

namespace framework {

class TAction;

// What a control linked to an action implements to follow it.
class TActionClient {
public:
    virtual void ActionChanged(TAction& action) = 0;

protected:
    ~TActionClient() = default;
};

class TAction : public TComponent {
public:
    static constexpr std::string_view kClassName = "TAction";
    explicit TAction(TComponent* owner) : TComponent(owner) {}
    ~TAction() override;
    std::string_view ClassName() const override { return kClassName; }
    const PropertyTable& Properties() const override { return ClassProperties(); }
    // Caption, Checked, Enabled (True), HelpContext, Hint, ImageIndex (-1),
    // ShortCut, Visible (True), OnExecute.
    static const PropertyTable& ClassProperties();

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& value);
    bool Checked() const { return checked_; }
    void SetChecked(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int value);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& value);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value);
    // A short-cut code: key code + 0x2000 Shift, + 0x4000 Ctrl, + 0x8000 Alt.
    int ShortCut() const { return shortCut_; }
    void SetShortCut(int value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    TNotifyEvent onExecute;
    const std::string& OnExecuteName() const { return onExecuteName_; }
    void SetOnExecute(const std::string& name, TNotifyEvent handler);

    // Runs onExecute; false when there is none or the action is disabled.
    bool Execute();

    // Clients hear every change until they unregister; the action forgets
    // them when it goes (they hold a free notification to learn of it).
    void RegisterChanges(TActionClient* client);
    void UnregisterChanges(TActionClient* client);

private:
    void Changed();
    template <class V>
    void Store(V& field, const V& value) {
        if (field == value) return;
        field = value;
        Changed();
    }

    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    int helpContext_ = 0;
    std::string hint_;
    int imageIndex_ = -1;
    int shortCut_ = 0;
    bool visible_ = true;
    std::string onExecuteName_;
    std::vector<TActionClient*> clients_;
};

}  // namespace framework
