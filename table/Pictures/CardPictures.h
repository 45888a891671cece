#pragma once
// The 76 card pictures cut from the artwork strips at the current card size.

#include "game/GameState.h"
#include "table/Pictures/CardArtwork.h"

#include <QImage>
#include <array>

namespace zarn {

// The part of a picture that nothing beneath it shows through, in logical pixels within
// the picture: the longest run of rows that are opaque across the span most of its rows
// share (a card's body, short of its rounded corners and blended edges). Whole logical
// pixels of opaque device pixels only; none when the device pixel ratio is not whole (a
// logical pixel then does not start on a device pixel).
QRect OpaqueAreaOf(const QImage& picture);

// Pictures 1..76 (index 0 unused): cards 1..52, markers 53..72, ace-reveal pictures 73..76.
// Every image carries the device pixel ratio it was made for; its logical size is
// PictureGeometry::width x height.
struct CardPictures {
    std::array<QImage, 77> image;
    std::array<QRect, 77> opaque{}; // each picture's, see OpaqueAreaOf
};

// Where the pictures are cut from a strip, in logical pixels (the table's pixels).
struct PictureGeometry {
    float cell;                 // w = CardWidth / TwipsPerPixelX, the cell width
    int width;                  // N(w), the width of every picture
    int height;                 // N(CardHeight / TwipsPerPixelX)
    int cellStart(int k) const; // N(k * w)
    bool operator==(const PictureGeometry&) const = default;
};
PictureGeometry PictureGeometryFor(const GameState& s);

// How the strips are drawn at a card size and device pixel ratio: each is 13 cells of
// exactly `geometry.cell` pixels (one card height high), which differs from 13836 x
// SizeScale twips by less than half a pixel and keeps every cell aligned with the
// picture cut from it. Only the marker strip's leftmost cell is ever used, so only that
// much of it is drawn.
struct StripLayout {
    PictureGeometry geometry;
    float heightPx;  // the card height, logical pixels
    int deviceWidth; // a picture's width, device pixels
    int stripWidth;  // a suit strip's width, device pixels
    qreal dpr;
    bool operator==(const StripLayout&) const = default;
};
StripLayout StripLayoutFor(const GameState& s, qreal devicePixelRatio);
// The size of strip `strip` drawn as the layout says, device pixels.
QSize StripSize(int strip, const StripLayout& layout);

// Strip `strip` of the artwork drawn as the layout says.
QImage RenderStrip(const CardArtwork& art, int strip, const StripLayout& layout);
// The pictures cut from strip `strip` into their places in out (the others are left as
// they are): plain pixel copies, or pictures that show the strip's own pixels in place
// (a strip in Format_ARGB32_Premultiplied), which they keep for as long as they live.
enum class StripPixels { Copied, Shared };
void CutStrip(const QImage& image, int strip, const StripLayout& layout, CardPictures& out,
              StripPixels pixels = StripPixels::Copied);

// Renders each strip once at the state's card size and device pixel ratio and cuts it
// into the pictures.
CardPictures ComposeCardPictures(const CardArtwork& art, const GameState& s,
                                 qreal devicePixelRatio);

} // namespace zarn
