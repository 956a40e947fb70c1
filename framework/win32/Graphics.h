// GDI helpers shared by the forms and controls.
#pragma once

#include <windows.h>

#include "framework/Font.h"
#include "framework/IdentMaps.h"

namespace framework {

// The RGB value of a colour; system colours (negative values) are looked up.
COLORREF ColorToRGB(TColor color);

// Creates a GDI font for `font`; the caller deletes it with DeleteObject.
HFONT CreateGdiFont(const TFont& font);

// A GDI object deleted when this goes out of scope.
template <class H>
class GdiObject {
public:
    explicit GdiObject(H handle = nullptr) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    void Reset(H handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }
    H Get() const { return handle_; }

private:
    H handle_;
};

}  // namespace framework
