#include "skinui/effects/AnimationFrame.h"

#include <algorithm>

namespace skinui {

using skin::TPixel;

TAnimationGeometry AnimationGeometry(int width, int height, int resolution, int tileCount, TSeDirection direction) {
    TAnimationGeometry g;
    g.maskWidth = width / resolution / tileCount + 1;
    g.maskHeight = height / resolution / tileCount + 1;
    g.tileWidth = width / tileCount + 1;
    g.tileHeight = height / tileCount + 1;
    const bool turned = direction == kdRotate90 || direction == kdRotate270;
    g.effectWidth = turned ? g.maskHeight : g.maskWidth;
    g.effectHeight = turned ? g.maskWidth : g.maskHeight;
    return g;
}

namespace {

// The cell index along one axis for every pixel of that axis. Tiles start
// every `tile` pixels and cells every `resolution` pixels within a tile;
// a cell covers its pixels with both bounds included and tiles overlap by
// that as well, so where two claim a pixel the later one (the higher tile,
// then the higher cell) is the one that shows, as when they are painted in
// order.
std::vector<int> CellsAlong(int pixels, int tile, int tileCount, int resolution, int cells) {
    std::vector<int> index(std::size_t(std::max(pixels, 0)));
    for (int x = 0; x < pixels; ++x) {
        const int t = std::min(x / tile, tileCount - 1);
        index[std::size_t(x)] = std::min((x - t * tile) / resolution, cells - 1);
    }
    return index;
}

// AnimationPixel for a row without branches: the mix is always worked out
// and the two ends are selected, since the mask changes along a row
// unpredictably (about 15% faster than branching per pixel).
void ComposeRow(const TPixel* win, const TPixel* back, const std::uint8_t* mask, TPixel* out, int count) {
    for (int x = 0; x < count; ++x) {
        const TPixel w = win[x], b = back[x];
        const std::uint32_t m = skin::IsKeyPixel(w) ? 0u : mask[x];
        const TPixel mixed = skin::BlendPart((w & 0x00FFFFFFu) | (m << 24), m) + skin::BlendPart(b, 255 - m);
        out[x] = m == 0 ? b : m == 255 ? w : mixed;
    }
}

}  // namespace

TAnimationRenderer::TAnimationRenderer(const skin::TSeBitmap& window, const skin::TSeBitmap& background,
                                       TSeDirection direction, int resolution, int tileCount)
    : window_(window), background_(background) {
    resolution = std::max(resolution, 1);
    tileCount = std::max(tileCount, 1);
    const int width = background.Width(), height = background.Height();
    geometry_ = AnimationGeometry(width, height, resolution, tileCount, direction);
    const TAnimationGeometry& g = geometry_;
    mask_.Resize(g.effectWidth, g.effectHeight);
    frame_.SetSize(width, height);

    const std::vector<int> columns = CellsAlong(width, g.tileWidth, tileCount, resolution, g.maskWidth);
    const std::vector<int> rows = CellsAlong(height, g.tileHeight, tileCount, resolution, g.maskHeight);
    const std::uint32_t mw = std::uint32_t(g.maskWidth), mh = std::uint32_t(g.maskHeight);
    columnOffset_.resize(columns.size());
    rowOffset_.resize(rows.size());
    line_.resize(columns.size());
    for (std::size_t x = 0; x < columns.size(); ++x) {
        const std::uint32_t i = std::uint32_t(columns[x]);
        switch (direction) {
            case kdRotate90: columnOffset_[x] = (mw - 1 - i) * mh; break;  // cell (j, mw-1-i), mask mh wide
            case kdRotate180: columnOffset_[x] = mw - 1 - i; break;  // cell (mw-1-i, mh-1-j)
            case kdRotate270: columnOffset_[x] = i * mh; break;  // cell (mh-1-j, i), mask mh wide
            default: columnOffset_[x] = i; break;  // cell (i, j)
        }
    }
    for (std::size_t y = 0; y < rows.size(); ++y) {
        const std::uint32_t j = std::uint32_t(rows[y]);
        switch (direction) {
            case kdRotate90: rowOffset_[y] = j; break;
            case kdRotate180: rowOffset_[y] = (mh - 1 - j) * mw; break;
            case kdRotate270: rowOffset_[y] = mh - 1 - j; break;
            default: rowOffset_[y] = j * mw; break;
        }
    }
}

void TAnimationRenderer::Render(TkeEffect effect, int progress) {
    DrawEffectMask(effect, progress, mask_);
    Compose();
}

void TAnimationRenderer::Compose() {
    if (frame_.Empty()) return;
    const int width = frame_.Width(), height = frame_.Height();
    const int windowWidth = std::min(width, window_.Empty() ? 0 : window_.Width());
    const int windowHeight = std::min(height, window_.Empty() ? 0 : window_.Height());
    const std::uint8_t* mask = mask_.cells.data();
    const std::uint32_t* columns = columnOffset_.data();
    std::uint8_t* line = line_.data();
    for (int y = 0; y < height; ++y) {
        const TPixel* back = background_.PixelPtr(0, y);
        TPixel* out = frame_.PixelPtr(0, y);
        if (y >= windowHeight) {
            std::copy_n(back, width, out);
            continue;
        }
        const TPixel* win = window_.PixelPtr(0, y);
        const std::uint8_t* maskRow = mask + rowOffset_[std::size_t(y)];
        // The row's mask values first, so that the pixel loop reads all its
        // inputs in order.
        for (int x = 0; x < windowWidth; ++x) line[x] = maskRow[columns[x]];
        ComposeRow(win, back, line, out, windowWidth);
        std::copy(back + windowWidth, back + width, out + windowWidth);
    }
}

}  // namespace skinui
