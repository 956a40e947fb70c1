// The request a control sends its parent (in lParam of WM_ERASEBKGND) when
// it wants the parent's look under itself: a byte 1, the control's bounds in
// the parent's client coordinates, a byte 1 when the control paints into a
// buffer. Packed: receivers read the bytes in this order.
#pragma once

#include <cstdint>

namespace skinui {

#pragma pack(push, 1)
struct ParentBackgroundRequest {
    std::uint8_t fromControl = 1;
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::uint8_t buffered = 0;
};
#pragma pack(pop)
static_assert(sizeof(ParentBackgroundRequest) == 18);

}  // namespace skinui
