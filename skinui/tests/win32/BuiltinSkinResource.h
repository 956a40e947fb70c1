// The built-in skin for Windows tests and benches: the engine's stored skin
// stream, linked into the program as the resource BUILTINSKIN (see
// skinui/CMakeLists.txt).
#pragma once

#include <cstdint>
#include <vector>

#include "framework/win32/Form.h"
#include "skin/SkinEngine.h"

namespace skinui::test {

// Loads the resource into `engine` (registering the skin classes it needs);
// false when the program has none or it did not load.
inline bool LoadBuiltinSkin(skin::TSeSkinEngine& engine) {
    skin::RegisterSkinClasses();
    const std::vector<std::uint8_t> bytes = framework::LoadResourceBytes("BUILTINSKIN");
    if (bytes.empty()) return false;
    engine.SetSkinStream(bytes);
    return engine.LoadError().empty() && engine.SkinSource()->Count() > 0;
}

}  // namespace skinui::test
