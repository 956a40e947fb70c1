#include "skin/TileLayout.h"

namespace skin {

std::vector<Tile> TileLayout(const TRect& destination, const TRect& source) {
    std::vector<Tile> tiles;
    int tw = RectWidth(source);
    int th = RectHeight(source);
    if (tw < 1 || th < 1 || RectIsEmpty(destination)) return tiles;
    int columns = RectWidth(destination) / tw + (RectWidth(destination) % tw != 0 ? 1 : 0);
    int rows = RectHeight(destination) / th + (RectHeight(destination) % th != 0 ? 1 : 0);
    tiles.reserve(std::size_t(columns) * std::size_t(rows));
    for (int column = 0; column < columns; ++column) {
        for (int row = 0; row < rows; ++row) {
            TRect tile = RectIntersection(
                MakeBounds(destination.Left + column * tw, destination.Top + row * th, tw, th), destination);
            if (RectIsEmpty(tile)) break;
            TRect part = (RectWidth(tile) == tw && RectHeight(tile) == th)
                             ? source
                             : MakeBounds(source.Left, source.Top, RectWidth(tile), RectHeight(tile));
            tiles.push_back(Tile{tile, part});
        }
    }
    return tiles;
}

}  // namespace skin
