#include "table/Pictures/TableFrame.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <cmath>

namespace zarn {

qreal TableFrameLine(float cardWidthTwips, float twipsPerPixel) {
    // The markers' dark outline is about a sixtieth of the card's width.
    return std::max<qreal>(1.0, cardWidthTwips / twipsPerPixel / 60.0);
}

// The face, the dark line, the light line inside it.
void PaintTableFrameWhole(QPainter& painter, const QRectF& rect, qreal line, const QColor& fill) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal radius = 4 * line;
    const QRectF outer = rect.adjusted(line / 2, line / 2, -line / 2, -line / 2);
    painter.setPen(QPen(QColor(32, 32, 32, 217), line));
    painter.setBrush(fill);
    painter.drawRoundedRect(outer, radius, radius);
    painter.setPen(QPen(QColor(255, 255, 255, 217), line));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(outer.adjusted(line, line, -line, -line), radius - line, radius - line);
    painter.restore();
}

// Qt hands a large antialiased fill to a pool of threads, which a first frame pays for in
// threads started and woken for each batch of rows. So the frame is drawn in device pixels
// as its four corners, each drawn into a small picture, with the rows and columns between
// them stretched from the corners' inner edges, which lie beyond the rounding.
void PaintTableFrame(QPainter& painter, const QRectF& rect, qreal line, const QColor& fill) {
    const QTransform device = painter.deviceTransform();
    const qreal scale = device.m11();
    const QRectF d = device.mapRect(rect);
    const QRect whole = d.toAlignedRect();
    // The rounding ends four and a half lines in; one pixel more for its softened edge.
    const int corner = int(std::ceil(5 * line * scale)) + 2;
    if (device.type() > QTransform::TxScale || scale <= 0 || device.m22() != scale ||
        std::min(whole.width(), whole.height()) <= 2 * corner)
        return PaintTableFrameWhole(painter, rect, line, fill);
    painter.save();
    painter.setWorldTransform(device.inverted() * painter.worldTransform());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const int left = whole.left(), top = whole.top();
    const int right = whole.right() + 1 - corner, bottom = whole.bottom() + 1 - corner;
    const int last = corner - 1, across = right - left - corner, down = bottom - top - corner;
    const auto cornerAt = [&](int x, int y) {
        QImage picture(corner, corner, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        p.setTransform(device * QTransform::fromTranslate(-x, -y));
        PaintTableFrameWhole(p, rect, line, fill);
        p.end();
        painter.drawImage(x, y, picture);
        return picture;
    };
    const QImage topLeft = cornerAt(left, top), topRight = cornerAt(right, top);
    const QImage bottomLeft = cornerAt(left, bottom);
    cornerAt(right, bottom);
    painter.drawImage(QRect(left + corner, top, across, corner), topLeft,
                      QRect(last, 0, 1, corner));
    painter.drawImage(QRect(left + corner, bottom, across, corner), bottomLeft,
                      QRect(last, 0, 1, corner));
    painter.drawImage(QRect(left, top + corner, corner, down), topLeft, QRect(0, last, corner, 1));
    painter.drawImage(QRect(right, top + corner, corner, down), topRight,
                      QRect(0, last, corner, 1));
    if (fill.alpha() != 0)
        painter.drawImage(QRect(left + corner, top + corner, across, down), topLeft,
                          QRect(last, last, 1, 1));
    painter.restore();
}

} // namespace zarn
