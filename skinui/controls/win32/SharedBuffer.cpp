#include "skinui/controls/win32/SharedBuffer.h"

#include <windows.h>

namespace skinui {

skin::TSeBitmap& SharedBuffer() {
    static skin::TSeBitmap buffer;
    return buffer;
}

skin::TSeBitmap& SizedSharedBuffer() {
    skin::TSeBitmap& buffer = SharedBuffer();
    if (buffer.Empty()) buffer.SetSize(GetSystemMetrics(SM_CXSCREEN) + 500, GetSystemMetrics(SM_CYSCREEN) + 500);
    return buffer;
}

}  // namespace skinui
