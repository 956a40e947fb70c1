#include "framework/win32/CustomControl.h"

#include "framework/win32/GraphicControl.h"

namespace framework {

namespace {
const char* const kCustomControlClass = "FrameworkCustomControl";

void RegisterCustomControlClass(WNDPROC procedure) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kCustomControlClass;
    RegisterClassA(&wc);
    registered = true;
}
}  // namespace

TCustomControl::~TCustomControl() {
    BeginDestruction();
    // The window outlives the derived parts of this object for a moment:
    // its messages must no longer reach them.
    if (HandleAllocated()) SetWindowLongPtrA(Handle(), GWLP_USERDATA, 0);
}

TControl::CreateParams TCustomControl::GetCreateParams() const {
    RegisterCustomControlClass(&TCustomControl::StaticWndProc);
    CreateParams params;
    params.className = kCustomControlClass;
    params.param = const_cast<TCustomControl*>(this);
    return params;
}

LRESULT CALLBACK TCustomControl::StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* control = static_cast<TCustomControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
        control->SetHandle(window);
    }
    auto* control = reinterpret_cast<TCustomControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!control) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    return control->WndProc(message, wParam, lParam);
}

LRESULT TCustomControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PRINTCLIENT && wParam && HandleAllocated()) {
        // A print into a caller's context (a picture of the window) is a
        // paint into that context.
        Paint(reinterpret_cast<HDC>(wParam));
        PaintGraphicChildren(*this, reinterpret_cast<HDC>(wParam));
        return 0;
    }
    if (message == WM_PAINT && HandleAllocated()) {
        PAINTSTRUCT paint;
        // A caller may hand its own context in wParam (a paint into a buffer).
        if (wParam) {
            Paint(reinterpret_cast<HDC>(wParam));
            PaintGraphicChildren(*this, reinterpret_cast<HDC>(wParam));
            return 0;
        }
        HDC dc = BeginPaint(Handle(), &paint);
        Paint(dc);
        PaintGraphicChildren(*this, dc);
        EndPaint(Handle(), &paint);
        return 0;
    }
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TCustomControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
    return HandleAllocated() ? DefWindowProcA(Handle(), message, wParam, lParam) : 0;
}

}  // namespace framework
