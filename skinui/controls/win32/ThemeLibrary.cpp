#include "skinui/controls/win32/ThemeLibrary.h"

#include <mutex>

namespace skinui {

namespace {

using OpenThemeDataFn = HANDLE(WINAPI*)(HWND, LPCWSTR);
using CloseThemeDataFn = HRESULT(WINAPI*)(HANDLE);
using DrawThemeBackgroundFn = HRESULT(WINAPI*)(HANDLE, HDC, int, int, const RECT*, const RECT*);
using BoolFn = BOOL(WINAPI*)();

struct ThemeFunctions {
    HMODULE library = nullptr;
    OpenThemeDataFn open = nullptr;
    CloseThemeDataFn close = nullptr;
    DrawThemeBackgroundFn drawBackground = nullptr;
    BoolFn isAppThemed = nullptr;
    BoolFn isThemeActive = nullptr;
};

template <class F>
F Lookup(HMODULE library, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// Loaded once, under a lock, the first time a look asks.
const ThemeFunctions& Functions() {
    static std::mutex lock;
    static ThemeFunctions functions;
    static bool loaded = false;
    std::lock_guard<std::mutex> guard(lock);
    if (!loaded) {
        loaded = true;
        functions.library = LoadLibraryA("uxtheme.dll");
        if (functions.library) {
            functions.open = Lookup<OpenThemeDataFn>(functions.library, "OpenThemeData");
            functions.close = Lookup<CloseThemeDataFn>(functions.library, "CloseThemeData");
            functions.drawBackground = Lookup<DrawThemeBackgroundFn>(functions.library, "DrawThemeBackground");
            functions.isAppThemed = Lookup<BoolFn>(functions.library, "IsAppThemed");
            functions.isThemeActive = Lookup<BoolFn>(functions.library, "IsThemeActive");
        }
    }
    return functions;
}

bool& Allowed() {
    static bool allowed = true;
    return allowed;
}

}  // namespace

void SetThemesAllowed(bool allowed) { Allowed() = allowed; }

bool ThemesActive() {
    if (!Allowed()) return false;
    const ThemeFunctions& f = Functions();
    return f.library && f.open && f.close && f.drawBackground && f.isAppThemed && f.isThemeActive &&
           f.isAppThemed() && f.isThemeActive();
}

bool DrawThemePart(HWND window, const wchar_t* themeClass, HDC dc, int part, int state, const RECT& rect) {
    if (!ThemesActive()) return false;
    const ThemeFunctions& f = Functions();
    HANDLE theme = f.open(window, themeClass);
    if (!theme) return false;
    f.drawBackground(theme, dc, part, state, &rect, nullptr);
    f.close(theme);
    return true;
}

}  // namespace skinui
