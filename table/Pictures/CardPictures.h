#pragma once
// The 76 card pictures cut from the artwork strips at the current card size.

#include "game/GameState.h"
#include "table/Pictures/CardArtwork.h"

#include <QImage>
#include <array>

namespace zarn {

// Pictures 1..76 (index 0 unused): cards 1..52, markers 53..72, ace-reveal pictures 73..76.
// Every image carries the device pixel ratio it was made for; its logical size is
// PictureGeometry::width x height.
struct CardPictures {
    std::array<QImage, 77> image;
};

// Where the pictures are cut from a strip, in logical pixels (the table's pixels).
struct PictureGeometry {
    float cell;                 // w = CardWidth / TwipsPerPixelX, the cell width
    int width;                  // N(w), the width of every picture
    int height;                 // N(CardHeight / TwipsPerPixelX)
    int cellStart(int k) const; // N(k * w)
};
PictureGeometry PictureGeometryFor(const GameState& s);

// Renders each strip once at the state's card size and device pixel ratio and cuts it
// into the pictures by plain pixel copies.
CardPictures ComposeCardPictures(const CardArtwork& art, const GameState& s,
                                 qreal devicePixelRatio);

} // namespace zarn
