#pragma once
// The table background: the plain colour or one of 17 tiles laid over the window.

#include "files/Notice.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <array>
#include <vector>

namespace zarn {

// "" (no tile) then "coral" .. "violet"; tile i is the file BackgroundNames[i] + ".bmp".
extern const std::array<const char*, 18> BackgroundNames;
inline constexpr int TileSize = 128;

// Red, green and blue 192: the plain table and what shows where no tile lies.
QColor PlainTableColour();

// Tile 1..17 from progDir when a whole bitmap is there, else its built-in copy (a file
// there that cannot be used is added to *rejected); a null image when neither can be read
// (or the index names no tile).
QImage LoadTile(int backgroundIndex, const QString& progDir,
                std::vector<Notice>* rejected = nullptr);

// The number of extra tile columns and rows: the integer parts of the outer size divided
// by 128 pixels. Tiles are laid at i = 0..columns and j = 0..rows, both inclusive.
struct TileGrid {
    int columns, rows;
};
TileGrid TileGridFor(int outerWidthTwips, int outerHeightTwips, float twipsPerPixelX,
                     float twipsPerPixelY);

// The background for BackgroundIndex, (columns + 1) x (rows + 1) tiles of 128 logical
// pixels, at the device pixel ratio dpr: the tile at (0, 0) and the window's square at
// (0, 0) copied to every (128 i, 128 j). Index 0, or a tile that cannot be read, gives
// the plain colour over the same area. The tile is read as LoadTile() reads it.
QImage ApplyBackground(int backgroundIndex, int outerWidthTwips, int outerHeightTwips,
                       float twipsPerPixelX, float twipsPerPixelY, const QString& progDir,
                       qreal dpr, std::vector<Notice>* rejected = nullptr);

} // namespace zarn
