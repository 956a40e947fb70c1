// The enumerations of the window effects: how the show animation's mask is
// turned, which mask it draws, and how a frame follows the mouse. Kept apart
// from the option objects so that the pixel code needs no framework header.
#pragma once

#include <cstdint>

namespace skinui {

// How the animation mask is laid over the window: kdNone and kdNoRotate as
// drawn, the others turned by that many degrees.
enum TSeDirection : std::uint8_t { kdNone, kdNoRotate, kdRotate90, kdRotate180, kdRotate270 };

// The masks of the show animation; keRandomSelect picks one of the others
// each time the window is shown.
enum TkeEffect : std::uint8_t {
    keRandomSelect,
    keFade,
    keDiagonal,
    keDown,
    keIn,
    keOut,
    keRectIn,
    keRectOut,
    kePixel,
    kePixelLine,
    keDiamondIn,
    keDiamondOut,
    keSmoothDiagonal,
    keSmoothRectIn,
    keSmoothRectOut,
};
inline constexpr int kEffectCount = keSmoothRectOut + 1;

// kfdmBorder moves or sizes an outline and the window at the end;
// kfdmFullDrag moves the window itself.
enum TSeFormDragMode : std::uint8_t { kfdmBorder, kfdmFullDrag };

}  // namespace skinui
