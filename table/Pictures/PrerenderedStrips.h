#pragma once
// The strips of the built-in artwork drawn when the program is built, at the card size of
// the default settings on a screen of 96 dots per inch at device pixel ratio 1 (the
// common case), so that start-up cuts the first pictures from them instead of parsing and
// drawing the artwork. The build draws them with RenderStrip, as the program would.

#include "table/Pictures/CardPictures.h"

#include <QByteArray>
#include <QImage>
#include <array>

namespace zarn {

// The built-in strip `strip` drawn for exactly this layout, its pixels where the program
// holds them for as long as it runs; a null image when the program carries none for it.
QImage PrerenderedStrip(int strip, const StripLayout& layout);

// The layout the build draws the strips for, and the file that carries them.
StripLayout PrerenderedLayout();
QByteArray FormatPrerenderedStrips(const std::array<QImage, ArtworkStripCount>& strips,
                                   const StripLayout& layout);

} // namespace zarn
