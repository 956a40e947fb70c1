#include "skinui/frame/SystemMenu.h"

#include "skinui/menus/MenuLayout.h"

namespace skinui {

namespace {

constexpr int kAltF4 = kscAlt | 0x73;  // VK_F4

bool Has(std::uint32_t icons, TSeBorderIcon icon) { return (icons & BorderIconBit(icon)) != 0; }

}  // namespace

std::vector<SystemMenuEntry> SystemMenuEntries(std::uint32_t icons, TSeWindowState state) {
    using C = TSeSystemCommand;
    const bool normal = state == kwsNormal, maximized = state == kwsMaximized, rolled = state == kwsRollup;
    std::vector<SystemMenuEntry> entries;
    if (!normal) entries.push_back({kMenuRestore, ksmiRestore, 0, C::Restore});
    if (Has(icons, skin::kbiMinimize) && (normal || maximized || rolled)) {
        entries.push_back({kMenuMinimize, ksmiMinimize, 0, C::Minimize});
    }
    if (Has(icons, skin::kbiMaximize) && (normal || rolled)) {
        entries.push_back({kMenuMaximize, ksmiMaximize, 0, C::Maximize});
    }
    if (Has(icons, skin::kbiRollup) && (normal || maximized)) entries.push_back({kMenuRollup, ksmiRollup, 0, C::Rollup});
    if (Has(icons, skin::kbiTray) && (normal || maximized || rolled)) {
        entries.push_back({kMenuTray, ksmiTray, 0, C::Tray});
    }
    if (Has(icons, skin::kbiClose)) {
        if (!entries.empty()) entries.push_back({kMenuSeparator, ksmiNone, 0, C::None});
        entries.push_back({kMenuClose, ksmiClose, kAltF4, C::Close});
    }
    return entries;
}

TSeSystemCommand SystemCommandFor(std::string_view caption) {
    using C = TSeSystemCommand;
    if (caption == kMenuClose) return C::Close;
    if (caption == kMenuMaximize) return C::Maximize;
    if (caption == kMenuMinimize) return C::Minimize;
    if (caption == kMenuRollup) return C::Rollup;
    if (caption == kMenuTray) return C::Tray;
    if (caption == kMenuRestore) return C::Restore;
    return C::None;
}

}  // namespace skinui
