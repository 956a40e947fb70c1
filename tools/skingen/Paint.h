// A small painter for the skin's artwork: shapes given as signed distance
// functions, filled with anti-aliased edges (4 x 4 samples per pixel) in
// colours that may vary over the picture, and flattened into skin bitmap
// pixels at the end. Every flattened pixel is either opaque or exactly the
// key colour, as skin bitmaps need.
#pragma once

#include <functional>
#include <vector>

#include "skin/gfx/Pixel.h"

namespace skin {
class TSeBitmap;
}

namespace skingen {

// A colour with channels 0 .. 255.
struct Rgb {
    float r = 0, g = 0, b = 0;
};

constexpr Rgb RgbOf(int r, int g, int b) { return Rgb{float(r), float(g), float(b)}; }
// `a` at t = 0, `b` at t = 1; t is clamped.
Rgb Mix(const Rgb& a, const Rgb& b, float t);
// Each channel scaled toward white (amount > 0) or black (amount < 0).
Rgb Lighten(const Rgb& c, float amount);
skin::TPixel ToPixel(const Rgb& c);

// A signed distance: negative inside the shape, positive outside.
using Shape = std::function<float(float x, float y)>;
// The colour at a point of the picture.
using Shade = std::function<Rgb(float x, float y)>;

// Shapes. Rectangles are given by their edges (right and bottom exclusive,
// as pixel rectangles), so that a shape on whole pixels covers them fully.
Shape Box(float left, float top, float right, float bottom);
// Rounded corners, radii in the order top-left, top-right, bottom-right, bottom-left.
Shape RoundBox(float left, float top, float right, float bottom, float tl, float tr, float br, float bl);
Shape RoundBox(float left, float top, float right, float bottom, float radius);
Shape Circle(float cx, float cy, float radius);
// A line from (ax, ay) to (bx, by), `width` thick with round ends.
Shape Line(float ax, float ay, float bx, float by, float width);
// A filled triangle.
Shape Triangle(float ax, float ay, float bx, float by, float cx, float cy);
// The band of `width` just inside the edge of `shape`.
Shape Border(Shape shape, float width);
Shape Union(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Offset(Shape shape, float dx, float dy);

// Shades.
Shade Solid(const Rgb& c);
// From `top` at y0 to `bottom` at y1, in pixel rows: row y takes the colour
// at its centre, so the first row is `top` and the last one `bottom`.
Shade VerticalGradient(float y0, float y1, const Rgb& top, const Rgb& bottom);
Shade HorizontalGradient(float x0, float x1, const Rgb& left, const Rgb& right);

class Paint {
public:
    Paint(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Covers the shape with `shade` at `opacity`.
    void Fill(const Shape& shape, const Shade& shade, float opacity = 1.0f);
    void Fill(const Shape& shape, const Rgb& colour, float opacity = 1.0f) { Fill(shape, Solid(colour), opacity); }

    // Makes the shape transparent again (for cut-outs).
    void Erase(const Shape& shape);

    // How much of the pixel is covered, 0 .. 1.
    float Coverage(int x, int y) const;

    // Writes the picture into `target` with its top-left corner at (x, y).
    // Over a known background (the colour that will lie behind the pixel
    // when the skin draws it) edge pixels are blended into it and only
    // nearly empty pixels become the key colour; without one, pixels less
    // than half covered become the key colour and the others take their own
    // colour.
    using Background = std::function<Rgb(int x, int y)>;
    void Flatten(skin::TSeBitmap& target, int x, int y, const Background& background = {}) const;
    // Writes the picture into `target` (sized to it) with its coverage as
    // each pixel's alpha and the colour not premultiplied, as icons hold it;
    // uncovered pixels are 0.
    void FlattenWithAlpha(skin::TSeBitmap& target) const;

private:
    struct Cell {
        float r = 0, g = 0, b = 0, a = 0;  // premultiplied
    };
    int width_;
    int height_;
    std::vector<Cell> cells_;
};

}  // namespace skingen
