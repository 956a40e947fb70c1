// The enumerations and constants of skin objects: alignment rules, kinds,
// text placement, tile styles, system button actions, border icons, object
// states and the mouse conventions the objects receive events in.
#pragma once

#include <cstdint>

#include "framework/Property.h"

namespace skin {

// Placement rule of an object inside its parent (see TSeSkinObject::AlignChildren).
enum TSeAlign : std::uint8_t {
    saNone, saLeft, saMostLeft, saTop, saMostTop, saRight, saMostRight, saBottom, saMostBottom,
    saClient, saTopLeft, saTopRight, saBottomLeft, saBottomRight, saCenter, saText,
};

// What an object stands for; controls look objects up by kind. The last
// one is stored under this spelling and is never found by the hit test.
enum TSeKind : std::uint8_t {
    skNone, skForm, skCaption, skTitle, skTop, skLeft, skRight, skBottom, skTopLeft, skTopRight,
    skBottomLeft, skBottomRight, skSysButton, skClient, skMenuBar, skMenuBarItem, skMenuBarItemText,
    skPopupMenu, skPopupMenuItem, skPopupMenuItemText, skItemText, skTranparent,
};

enum TSeTextAlign : std::uint8_t {
    taTopLeft, taTopCenter, taTopRight, taLeft, taCenter, taRight, taBottomLeft, taBottomCenter, taBottomRight,
};

enum TSeTextEffect : std::uint8_t { teNone, teShadow };

enum TscTileStyle : std::uint8_t { tsTile, tsStretch, tsCenter };

// What a system button does when it is clicked.
enum TSeAction : std::uint8_t {
    sbaNone, sbaClose, sbaHelp, sbaMinimize, sbaMaximize, sbaRestore, sbaRollUp, sbaRollDown, sbaTray,
    sbaSysMenu, sbaRollPanel, sbaCustom,
};

enum TSeRollKind : std::uint8_t { rkLeft, rkTop, rkRight, rkBottom };

// The icons a skinned form shows; a set of them is a bit mask, bit i for value i.
enum TSeBorderIcon : std::uint8_t { kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiHelp, kbiRollup, kbiTray };
constexpr std::uint32_t BorderIconBit(TSeBorderIcon icon) { return 1u << icon; }

// Object states (TSeSkinObject::State). 0 to 4 are the frame state codes
// of a skinned form; 5 to 8 are set by controls on their elements.
inline constexpr int kStateNormal = 0;
inline constexpr int kStateLinkView = 1;
inline constexpr int kStateMaximized = 2;
inline constexpr int kStateMinimized = 3;
inline constexpr int kStateRolledUp = 4;
inline constexpr int kStateHot = 5;
inline constexpr int kStatePressed = 6;
inline constexpr int kStateFocused = 7;
inline constexpr int kStateDisabled = 8;
// The states in which an element shows its active or focused look.
constexpr bool HotOrFocused(int state) { return state == kStateHot || state == kStateFocused; }

// The framework's mouse conventions.
enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };
using TShiftState = std::uint32_t;
inline constexpr TShiftState ssLeft = 1u << 3;
inline constexpr TShiftState ssDouble = 1u << 6;

// Text drawing flags, with the platform's values (DT_*).
inline constexpr unsigned kTextLeft = 0x0;
inline constexpr unsigned kTextCenter = 0x1;
inline constexpr unsigned kTextRight = 0x2;
inline constexpr unsigned kTextTop = 0x0;
inline constexpr unsigned kTextVCenter = 0x4;
inline constexpr unsigned kTextBottom = 0x8;
inline constexpr unsigned kTextSingleLine = 0x20;
inline constexpr unsigned kTextRtlReading = 0x20000;
inline constexpr unsigned kTextHorizontalMask = kTextCenter | kTextRight;

// The identifiers of the enumerations in component streams.
const framework::EnumInfo& AlignInfo();
const framework::EnumInfo& KindInfo();
const framework::EnumInfo& TextAlignInfo();
const framework::EnumInfo& TextEffectInfo();
const framework::EnumInfo& TileStyleInfo();
const framework::EnumInfo& ActionInfo();
const framework::EnumInfo& RollKindInfo();

}  // namespace skin
