#include "tools/skingen/ProgramIcon.h"

#include <algorithm>

#include "skin/gfx/SeBitmap.h"
#include "tools/skingen/Paint.h"

namespace skingen {

namespace {

constexpr Rgb kBodyTop = RgbOf(0x5C, 0x78, 0x98);
constexpr Rgb kBodyBottom = RgbOf(0x34, 0x48, 0x62);
constexpr Rgb kOutline = RgbOf(0x1E, 0x2A, 0x3A);
constexpr Rgb kLabel = RgbOf(0xEC, 0xE8, 0xDC);
constexpr Rgb kChip = RgbOf(0x30, 0x30, 0x34);
constexpr Rgb kContact = RgbOf(0xE0, 0xB8, 0x48);

}  // namespace

void PaintProgramIcon(int size, skin::TSeBitmap& target) {
    // The drawing is laid out on a 16-unit grid and scaled to the size.
    const float u = float(size) / 16.0f;
    Paint paint(size, size);
    const Shape card = RoundBox(2 * u, 1 * u, 14 * u, 15 * u, 1.2f * u);
    const Shape notch = Triangle(10.5f * u, 0, 15 * u, 0, 15 * u, 4.5f * u);
    // The card without its corner, so that the outline follows the cut.
    const Shape body = [card, notch](float x, float y) { return std::max(card(x, y), -notch(x, y)); };
    paint.Fill(body, VerticalGradient(1 * u, 15 * u, kBodyTop, kBodyBottom));
    paint.Fill(Border(body, 0.75f * u), kOutline);
    // On whole units, so that the small icon stays sharp.
    paint.Fill(RoundBox(4 * u, 3 * u, 12 * u, 9 * u, 0.6f * u), kLabel);
    paint.Fill(Box(6 * u, 5 * u, 10 * u, 7 * u), kChip);
    for (int i = 0; i < 3; ++i) {
        const float left = float(4 + 3 * i) * u;
        paint.Fill(Box(left, 11 * u, left + 2 * u, 14 * u), kContact);
    }
    paint.FlattenWithAlpha(target);
}

}  // namespace skingen
