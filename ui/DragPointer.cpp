#include "ui/DragPointer.h"

#include "ui/ShellResources.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <cmath>

namespace zarn {

QCursor MakeDragPointer(qreal devicePixelRatio) {
    InitShellResources();
    const qreal ratio = devicePixelRatio > 1 ? devicePixelRatio : 1;
    const int side = int(std::ceil(DragPointerSize * ratio));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(":/cursors/hand.svg"));
    if (svg.isValid()) {
        QPainter painter(&image);
        svg.render(&painter, QRectF(0, 0, side, side));
    }
    image.setDevicePixelRatio(ratio);
    return QCursor(QPixmap::fromImage(image), DragPointerHotSpot.x(), DragPointerHotSpot.y());
}

} // namespace zarn
