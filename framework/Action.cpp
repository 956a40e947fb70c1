#include "framework/Action.h"

#include <algorithm>

namespace framework {

const PropertyTable& TAction::ClassProperties() {
    using T = TAction;
    static const PropertyTable table(&TComponent::ClassProperties(),
                                     {
                                         StringProperty("Caption", &T::Caption, &T::SetCaption),
                                         BooleanProperty("Checked", &T::Checked, &T::SetChecked, false),
                                         BooleanProperty("Enabled", &T::Enabled, &T::SetEnabled, true),
                                         IntegerProperty("HelpContext", &T::HelpContext, &T::SetHelpContext, 0),
                                         StringProperty("Hint", &T::Hint, &T::SetHint),
                                         IntegerProperty("ImageIndex", &T::ImageIndex, &T::SetImageIndex, -1),
                                         IntegerProperty("ShortCut", &T::ShortCut, &T::SetShortCut, 0),
                                         BooleanProperty("Visible", &T::Visible, &T::SetVisible, true),
                                         EventProperty("OnExecute", &T::OnExecuteName, &T::SetOnExecute),
                                     });
    return table;
}

TAction::~TAction() { clients_.clear(); }

void TAction::SetCaption(const std::string& value) { Store(caption_, value); }
void TAction::SetChecked(bool value) { Store(checked_, value); }
void TAction::SetEnabled(bool value) { Store(enabled_, value); }
void TAction::SetHelpContext(int value) { Store(helpContext_, value); }
void TAction::SetHint(const std::string& value) { Store(hint_, value); }
void TAction::SetImageIndex(int value) { Store(imageIndex_, value); }
void TAction::SetShortCut(int value) { Store(shortCut_, value & 0xFFFF); }
void TAction::SetVisible(bool value) { Store(visible_, value); }

void TAction::SetOnExecute(const std::string& name, TNotifyEvent handler) {
    onExecuteName_ = name;
    onExecute = std::move(handler);
    Changed();
}

bool TAction::Execute() {
    if (!enabled_ || !onExecute) return false;
    onExecute(*this);
    return true;
}

void TAction::RegisterChanges(TActionClient* client) {
    if (client && std::find(clients_.begin(), clients_.end(), client) == clients_.end()) clients_.push_back(client);
}

void TAction::UnregisterChanges(TActionClient* client) {
    clients_.erase(std::remove(clients_.begin(), clients_.end(), client), clients_.end());
}

void TAction::Changed() {
    // A client may unregister while it hears the change.
    const std::vector<TActionClient*> clients = clients_;
    for (TActionClient* client : clients) {
        if (std::find(clients_.begin(), clients_.end(), client) != clients_.end()) client->ActionChanged(*this);
    }
}

}  // namespace framework
