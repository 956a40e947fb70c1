// The built-in skin for portable tests: the engine's stored skin stream as
// the skin generator wrote it into the build (the same bytes the Windows
// program carries as its resource), read from the path the build gives.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <vector>

#include "framework/Stream.h"
#include "skin/SkinEngine.h"
#include "skin/storage/SkinSource.h"

namespace skinui::test {

// Loads the skin into `source` directly, as a skin replaced behind its
// engine's back (no engine notification); registers the skin classes it
// needs. False when the file is missing or did not load whole.
inline bool LoadBuiltinSkinFile(skin::TSeSkinSource& source) {
    skin::RegisterSkinClasses();
    std::ifstream file(FLASHDIAG_BUILTIN_SKIN_STREAM, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    // The engine's stored stream: a byte that says whether a skin follows,
    // then the skin.
    if (bytes.size() < 2 || bytes[0] == 0) return false;
    framework::TBytesReader stream(std::span<const std::uint8_t>(bytes).subspan(1));
    try {
        source.LoadFromStream(stream);
    } catch (const std::exception&) {
        return false;
    }
    return source.Count() > 0;
}

}  // namespace skinui::test
