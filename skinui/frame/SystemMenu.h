// What the frame's own system menu holds: its items for a window state and
// a set of border icons, the command behind each caption, and the images
// its items show (SystemMenuImages.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skinui/frame/FrameTypes.h"

namespace skinui {

// The texts of the system menu's items. A click is told apart by its
// item's caption, so the same texts build the menu and read the click.
inline constexpr std::string_view kMenuRestore = "&Restore";
inline constexpr std::string_view kMenuMinimize = "Mi&nimize";
inline constexpr std::string_view kMenuMaximize = "Ma&ximize";
inline constexpr std::string_view kMenuRollup = "Ro&llup";
inline constexpr std::string_view kMenuTray = "Minimize to &Tray";
inline constexpr std::string_view kMenuClose = "&Close";
inline constexpr std::string_view kMenuSeparator = "-";

// The images of the system menu, in the order of its image list.
enum TSeSystemMenuImage : int {
    ksmiClose = 0, ksmiMinimize = 1, ksmiMaximize = 2, ksmiRestore = 3, ksmiRollup = 4, ksmiTray = 5,
    ksmiNone = -1,
};

enum class TSeSystemCommand { None, Close, Maximize, Minimize, Rollup, Tray, Restore };

struct SystemMenuEntry {
    std::string_view caption;
    int imageIndex = ksmiNone;
    int shortCut = 0;  // key code with the kscShift/kscCtrl/kscAlt bits
    TSeSystemCommand command = TSeSystemCommand::None;
};

// The items for `state` with the border icons `borderIcons` (TSeBorderIcon
// bits), in menu order: Restore, Minimize, Maximize, Rollup, Minimize to
// Tray, then a separator (when items came before) and Close with Alt+F4.
std::vector<SystemMenuEntry> SystemMenuEntries(std::uint32_t borderIcons, TSeWindowState state);

// The command of a clicked item by its caption; None for any other text.
TSeSystemCommand SystemCommandFor(std::string_view caption);

}  // namespace skinui
