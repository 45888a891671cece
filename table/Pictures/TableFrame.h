#pragma once
// Frames on the table (round the foundations, round the speed panel), drawn the way the
// empty-pile markers are outlined: a dark line with a light one just inside it, so that
// they read alike on the plain table and on every tile, light or dark.

#include <QtGlobal>

class QColor;
class QPainter;
class QRectF;

namespace zarn {

// The width of the frame's lines, in pixels, beside cards of the given width: it grows
// with the cards, as the markers' outline does.
qreal TableFrameLine(float cardWidthTwips, float twipsPerPixel);

// Draws the frame along the inside of rect (pixels) over fill (transparent for a bare
// outline).
void PaintTableFrame(QPainter& painter, const QRectF& rect, qreal line, const QColor& fill);

// The same frame drawn as one shape, which Qt fills on a pool of threads once it is large:
// PaintTableFrame draws it in pieces instead, which look alike but for rounding.
void PaintTableFrameWhole(QPainter& painter, const QRectF& rect, qreal line, const QColor& fill);

} // namespace zarn
