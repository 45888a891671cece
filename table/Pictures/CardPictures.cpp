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

QImage Cut(const QImage& strip, int deviceX, int deviceWidth, qreal dpr, StripPixels pixels) {
    QImage picture =
        pixels == StripPixels::Shared
            ? QImage(
                  strip.constScanLine(0) + deviceX * 4, deviceWidth, strip.height(),
                  strip.bytesPerLine(), QImage::Format_ARGB32_Premultiplied,
                  [](void* kept) { delete static_cast<QImage*>(kept); }, new QImage(strip))
            : strip.copy(deviceX, 0, deviceWidth, strip.height());
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

StripLayout StripLayoutFor(const GameState& s, qreal devicePixelRatio) {
    StripLayout l;
    l.dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    l.geometry = PictureGeometryFor(s);
    l.heightPx = float(s.CardHeight) / s.TwipsPerPixelX;
    l.deviceWidth = Device(l.geometry.width, l.dpr);
    l.stripWidth = std::max(Device(13.0 * l.geometry.cell, l.dpr),
                            Device(l.geometry.cellStart(12), l.dpr) + l.deviceWidth);
    return l;
}

QSize StripSize(int strip, const StripLayout& l) {
    return QSize(strip == MarkerStrip ? l.deviceWidth : l.stripWidth,
                 Device(l.geometry.height, l.dpr));
}

QImage RenderStrip(const CardArtwork& art, int strip, const StripLayout& l) {
    QImage image(StripSize(strip, l), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    art.render(strip, painter, QRectF(0, 0, 13.0 * l.geometry.cell * l.dpr, l.heightPx * l.dpr));
    return image;
}

void CutStrip(const QImage& image, int strip, const StripLayout& l, CardPictures& out,
              StripPixels pixels) {
    if (strip == MarkerStrip) {
        for (int m = MarkerFirst; m <= MarkerLast; ++m)
            out.image[m] = Cut(image, 0, l.deviceWidth, l.dpr, pixels);
        return;
    }
    for (int rank = 1; rank <= 13; ++rank) {
        const int x = Device(l.geometry.cellStart(rank - 1), l.dpr);
        out.image[13 * strip + rank] = Cut(image, x, l.deviceWidth, l.dpr, pixels);
    }
    out.image[RevealFirst + strip] = Cut(image, 0, l.deviceWidth, l.dpr, pixels);
}

CardPictures ComposeCardPictures(const CardArtwork& art, const GameState& s,
                                 qreal devicePixelRatio) {
    const StripLayout l = StripLayoutFor(s, devicePixelRatio);
    CardPictures out;
    for (int i = 0; i < ArtworkStripCount; ++i) CutStrip(RenderStrip(art, i, l), i, l, out);
    return out;
}

} // namespace zarn
