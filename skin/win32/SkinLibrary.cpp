#include "skin/win32/SkinLibrary.h"

#include "skin/gfx/win32/ButtonGlyph.h"

namespace skin {

namespace {

using TransparentBltProc = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

struct LibraryState {
    int nesting = 0;
    bool detected = false;
    bool windowsNT = false;
    HMODULE msimg32 = nullptr;
    TransparentBltProc transparentBlt = nullptr;
};

void DetectPlatform(LibraryState& state) {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    BOOL known = GetVersionExA(&version);
#pragma GCC diagnostic pop
    state.windowsNT = known && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    // The library is looked up only where its TransparentBlt is known to
    // work; other systems use the software path.
    if (state.windowsNT && version.dwMajorVersion >= 5) {
        state.msimg32 = LoadLibraryA("msimg32.dll");
        if (state.msimg32 != nullptr) {
            state.transparentBlt = reinterpret_cast<TransparentBltProc>(
                reinterpret_cast<void*>(GetProcAddress(state.msimg32, "TransparentBlt")));
        }
    }
    state.detected = true;
}

// The platform is known from the first question on, even when another
// module's start-up code asks before this file's initialisation has run.
LibraryState& State() {
    static LibraryState state;
    if (!state.detected) DetectPlatform(state);
    return state;
}

// Library initialisation for every program that links any of this file's
// functions, undone at exit.
struct AutomaticLifetime {
    AutomaticLifetime() { InitializeSkinLibrary(); }
    ~AutomaticLifetime() { FinalizeSkinLibrary(); }
};
AutomaticLifetime automaticLifetime;

}  // namespace

void InitializeSkinLibrary() {
    LibraryState& state = State();
    if (state.nesting++ != 0) return;
    ClearButtonGlyphs();
}

void FinalizeSkinLibrary() {
    LibraryState& state = State();
    if (state.nesting == 0 || --state.nesting != 0) return;
    ClearButtonGlyphs();
    state.transparentBlt = nullptr;
    if (state.msimg32 != nullptr) FreeLibrary(state.msimg32);
    state.msimg32 = nullptr;
    // A later initialisation looks the platform up again.
    state.detected = false;
}

bool IsWindowsNT() { return State().windowsNT; }

bool TransparentBltAvailable() { return State().transparentBlt != nullptr; }

bool CallTransparentBlt(HDC destination, int x, int y, int width, int height, HDC source, int sx, int sy, int sw,
                        int sh, UINT keyColor) {
    TransparentBltProc proc = State().transparentBlt;
    return proc != nullptr && proc(destination, x, y, width, height, source, sx, sy, sw, sh, keyColor);
}

}  // namespace skin
