// The diagnostic window's built-in skin, built in memory: its header, its
// 33 bitmaps (Artwork.h) and its 24 top-level objects, 120 objects in all.
// "Form" is the window frame, "ProgressBar" the progress bar and
// "PopupMenu" the frame's system menu; the other objects serve skinned
// controls that the window does not have.
#pragma once

#include <string_view>

namespace skin {
class TSeSkinSource;
}

namespace skingen {

// The skin's own name; every bitmap name starts with it.
inline constexpr std::string_view kSkinName = "Pewter";
inline constexpr std::string_view kSkinVersion = "3.1.0";
inline constexpr std::string_view kSkinAuthor = "flashdiag team";
inline constexpr std::string_view kSkinAuthorEMail = "skins@flashdiag.invalid";

// Clears `source` and fills it with the built-in skin: the header, the
// bitmaps and the objects, each object given the source's bitmap list and
// its links resolved. The same call always gives the same skin.
void BuildBuiltinSkin(skin::TSeSkinSource& source);

}  // namespace skingen
