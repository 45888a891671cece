#include "table/Pictures/Background.h"

#include "table/Pictures/ArtFiles.h"

#include <QFile>
#include <QPainter>
#include <cmath>

namespace zarn {

const std::array<const char*, 18> BackgroundNames = {
    "",      "coral", "cryst",  "dunes", "foam", "green", "green2", "green4", "green6",
    "grey2", "hewn",  "lines2", "red2",  "sand", "sky",   "snails", "snow",   "violet"};

QColor PlainTableColour() {
    return QColor(192, 192, 192);
}

QImage LoadTile(int backgroundIndex, const QString& progDir) {
    if (backgroundIndex < 1 || backgroundIndex > 17) return {};
    const QString name = QString::fromLatin1(BackgroundNames[backgroundIndex]) + ".bmp";
    const QString local = FileInDirectory(progDir, name);
    if (QFile::exists(local)) {
        QImage tile(local);
        if (!tile.isNull()) return tile;
        ReportUnreadableOnce(local, "background tile");
    }
    return QImage(BuiltInPath(QStringLiteral("tiles/") + name));
}

TileGrid TileGridFor(int outerWidthTwips, int outerHeightTwips, float twipsPerPixelX,
                     float twipsPerPixelY) {
    const float across = float(outerWidthTwips) / (twipsPerPixelX * TileSize);
    const float down = float(outerHeightTwips) / (twipsPerPixelY * TileSize);
    return {std::max(0, int(across)), std::max(0, int(down))};
}

QImage ApplyBackground(int backgroundIndex, int outerWidthTwips, int outerHeightTwips,
                       float twipsPerPixelX, float twipsPerPixelY, const QString& progDir,
                       qreal dpr) {
    if (dpr <= 0) dpr = 1;
    const TileGrid grid =
        TileGridFor(outerWidthTwips, outerHeightTwips, twipsPerPixelX, twipsPerPixelY);
    const auto device = [dpr](int logical) { return int(std::lround(logical * dpr)); };
    QImage image(device((grid.columns + 1) * TileSize), device((grid.rows + 1) * TileSize),
                 QImage::Format_RGB32);
    image.fill(PlainTableColour());

    const QImage tile = LoadTile(backgroundIndex, progDir);
    if (!tile.isNull()) {
        // Pixel for pixel, as the window would show it, each tile pixel a dpr-sized square.
        const QImage shown = tile.scaled(device(tile.width()), device(tile.height()),
                                         Qt::IgnoreAspectRatio, Qt::FastTransformation);
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, shown);
        const QImage square = image.copy(0, 0, device(TileSize), device(TileSize));
        for (int j = 0; j <= grid.rows; ++j)
            for (int i = 0; i <= grid.columns; ++i)
                painter.drawImage(device(TileSize * i), device(TileSize * j), square);
    }
    image.setDevicePixelRatio(dpr);
    return image;
}

} // namespace zarn
