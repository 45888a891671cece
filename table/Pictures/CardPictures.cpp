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

OpaqueRows OpaqueRowsOf(const QImage& picture) {
    const qreal dpr = picture.devicePixelRatio();
    const int whole = int(dpr);
    if (whole < 1 || whole != dpr || picture.format() != QImage::Format_ARGB32_Premultiplied)
        return {};
    int bestTop = 0, bestEnd = 0;
    for (int y = 0, runTop = 0; y < picture.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        QRgb all = ~QRgb(0);
        for (int x = 0; x < picture.width(); ++x) all &= row[x];
        if (qAlpha(all) != 255)
            runTop = y + 1;
        else if (y + 1 - runTop > bestEnd - bestTop)
            bestTop = runTop, bestEnd = y + 1;
    }
    // Only logical rows whose every device row is opaque.
    const OpaqueRows rows{(bestTop + whole - 1) / whole, bestEnd / whole};
    return rows.top < rows.bottom ? rows : OpaqueRows{};
}

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
    const auto place = [&](int picture, int deviceX) {
        out.image[picture] = Cut(image, deviceX, l.deviceWidth, l.dpr, pixels);
        out.opaque[picture] = OpaqueRowsOf(out.image[picture]);
    };
    if (strip == MarkerStrip) {
        place(MarkerFirst, 0);
        for (int m = MarkerFirst + 1; m <= MarkerLast; ++m) {
            out.image[m] = out.image[MarkerFirst];
            out.opaque[m] = out.opaque[MarkerFirst];
        }
        return;
    }
    for (int rank = 1; rank <= 13; ++rank)
        place(13 * strip + rank, Device(l.geometry.cellStart(rank - 1), l.dpr));
    place(RevealFirst + strip, 0);
}

CardPictures ComposeCardPictures(const CardArtwork& art, const GameState& s,
                                 qreal devicePixelRatio) {
    const StripLayout l = StripLayoutFor(s, devicePixelRatio);
    CardPictures out;
    for (int i = 0; i < ArtworkStripCount; ++i) CutStrip(RenderStrip(art, i, l), i, l, out);
    return out;
}

} // namespace zarn
