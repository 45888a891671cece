#include "table/Pictures/CardPictures.h"

#include "game/Cards.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zarn {

namespace {

int Device(double logical, qreal dpr) {
    return int(std::lround(logical * dpr));
}

// The strip is drawn 13 cells of exactly w pixels wide (and one card height high), which
// differs from 13836 x SizeScale twips by less than half a pixel and keeps every cell
// aligned with the picture cut from it.
QImage RenderStrip(const CardArtwork& art, int strip, const PictureGeometry& g, float heightPx,
                   int deviceWidth, qreal dpr) {
    QImage image(deviceWidth, Device(g.height, dpr), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    art.render(strip, painter, QRectF(0, 0, 13.0 * g.cell * dpr, heightPx * dpr));
    return image;
}

QImage Cut(const QImage& strip, int deviceX, int deviceWidth, qreal dpr) {
    QImage picture = strip.copy(deviceX, 0, deviceWidth, strip.height());
    picture.setDevicePixelRatio(dpr);
    return picture;
}

} // namespace

int PictureGeometry::cellStart(int k) const {
    return RoundEven(double(float(k) * cell));
}

PictureGeometry PictureGeometryFor(const GameState& s) {
    PictureGeometry g;
    g.cell = float(s.CardWidth) / s.TwipsPerPixelX;
    g.width = RoundEven(g.cell);
    g.height = RoundEven(double(float(s.CardHeight) / s.TwipsPerPixelX));
    return g;
}

CardPictures ComposeCardPictures(const CardArtwork& art, const GameState& s,
                                 qreal devicePixelRatio) {
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const PictureGeometry g = PictureGeometryFor(s);
    const float heightPx = float(s.CardHeight) / s.TwipsPerPixelX;
    const int deviceWidth = Device(g.width, dpr);
    const int stripWidth =
        std::max(Device(13.0 * g.cell, dpr), Device(g.cellStart(12), dpr) + deviceWidth);

    CardPictures out;
    for (int suit = 0; suit < 4; ++suit) {
        const QImage strip = RenderStrip(art, suit, g, heightPx, stripWidth, dpr);
        for (int rank = 1; rank <= 13; ++rank) {
            const int x = Device(g.cellStart(rank - 1), dpr);
            out.image[13 * suit + rank] = Cut(strip, x, deviceWidth, dpr);
        }
        out.image[RevealFirst + suit] = Cut(strip, 0, deviceWidth, dpr);
    }
    // Only the marker strip's leftmost cell is ever used, so only that much is held.
    const QImage markers = RenderStrip(art, 4, g, heightPx, deviceWidth, dpr);
    for (int m = MarkerFirst; m <= MarkerLast; ++m)
        out.image[m] = Cut(markers, 0, deviceWidth, dpr);
    return out;
}

} // namespace zarn
