#include "table/Pictures/TableFrame.h"

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <algorithm>

namespace zarn {

qreal TableFrameLine(float cardWidthTwips, float twipsPerPixel) {
    // The markers' dark outline is about a sixtieth of the card's width.
    return std::max<qreal>(1.0, cardWidthTwips / twipsPerPixel / 60.0);
}

void PaintTableFrame(QPainter& painter, const QRectF& rect, qreal line, const QColor& fill) {
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

} // namespace zarn
