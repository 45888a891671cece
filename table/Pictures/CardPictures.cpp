#include "table/Pictures/CardPictures.h"

#include "game/Cards.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

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

QRect OpaqueAreaOf(const QImage& picture) {
    const qreal dpr = picture.devicePixelRatio();
    const int whole = int(dpr);
    if (whole < 1 || whole != dpr || picture.format() != QImage::Format_ARGB32_Premultiplied)
        return {};
    // Each row's span from its first opaque pixel to its last, when it is opaque all
    // along; then the span most rows share (the card's body, found by a majority vote),
    // and the longest run of rows opaque across it.
    const int width = picture.width(), height = picture.height();
    std::vector<std::pair<int, int>> spans(static_cast<size_t>(height));
    std::pair<int, int> body;
    for (int y = 0, votes = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        int first = 0, end = width;
        while (first < end && qAlpha(row[first]) != 255) ++first;
        while (end > first && qAlpha(row[end - 1]) != 255) --end;
        QRgb all = ~QRgb(0);
        for (int x = first; x < end; ++x) all &= row[x];
        if (first == end || qAlpha(all) != 255) continue;
        spans[size_t(y)] = {first, end};
        if (votes == 0) body = {first, end};
        votes += body == std::pair(first, end) ? 1 : -1;
    }
    const auto [first, end] = body;
    if (first == end) return {};
    int top = 0, bottom = 0;
    for (int y = 0, runTop = 0; y < height; ++y) {
        const auto [from, to] = spans[size_t(y)];
        if (from == to || from > first || to < end)
            runTop = y + 1;
        else if (y + 1 - runTop > bottom - top)
            top = runTop, bottom = y + 1;
    }
    const auto in = [whole](int device) { return (device + whole - 1) / whole; };
    const QRect area(QPoint(in(first), in(top)), QPoint(end / whole - 1, bottom / whole - 1));
    return area.isValid() ? area : QRect();
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
        out.opaque[picture] = OpaqueAreaOf(out.image[picture]);
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
