#include "table/Pictures/Background.h"

#include "files/SafeFile.h"
#include "table/Pictures/ArtFiles.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <cmath>

namespace zarn {

const std::array<const char*, 18> BackgroundNames = {
    "",      "coral", "cryst",  "dunes", "foam", "green", "green2", "green4", "green6",
    "grey2", "hewn",  "lines2", "red2",  "sand", "sky",   "snails", "snow",   "violet"};

QColor PlainTableColour() {
    return QColor(192, 192, 192);
}

namespace {

// Tells whether the decoder asked for more bytes than there were: a bitmap cut short
// still decodes, with whatever memory held in the rows that are missing.
class ShortReadWatch : public QBuffer {
public:
    using QBuffer::QBuffer;
    bool ranShort = false;

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 got = QBuffer::readData(data, maxSize);
        if (got < maxSize) ranShort = true;
        return got;
    }
};

// The tile in bytes, or a null image with *why saying what is wrong.
QImage DecodeTile(QByteArray bytes, QString* why) {
    ShortReadWatch device(&bytes);
    device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    QImageReader reader(&device, "bmp");
    const QImage tile = reader.read();
    if (tile.isNull())
        *why = QStringLiteral("it is not a bitmap");
    else if (device.ranShort)
        *why = QStringLiteral("it is cut short");
    else
        return tile;
    return {};
}

} // namespace

QImage LoadTile(int backgroundIndex, const QString& progDir, std::vector<Notice>* rejected) {
    if (backgroundIndex < 1 || backgroundIndex > 17) return {};
    const QString name = QString::fromLatin1(BackgroundNames[backgroundIndex]) + ".bmp";
    const QString local = FileInDirectory(progDir, name);
    const ForeignFile file = ReadForeignFile(local, MaxTileBytes);
    QString why = file.why;
    if (file.outcome == ForeignFile::Read) {
        const QImage tile = DecodeTile(file.bytes, &why);
        if (!tile.isNull()) return tile;
    }
    if (!why.isEmpty() && rejected)
        rejected->push_back(RejectedPicture(local, "background tile", why));
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
                       qreal dpr, std::vector<Notice>* rejected) {
    if (dpr <= 0) dpr = 1;
    const TileGrid grid =
        TileGridFor(outerWidthTwips, outerHeightTwips, twipsPerPixelX, twipsPerPixelY);
    const auto device = [dpr](int logical) { return int(std::lround(logical * dpr)); };
    QImage image(device((grid.columns + 1) * TileSize), device((grid.rows + 1) * TileSize),
                 QImage::Format_RGB32);
    image.fill(PlainTableColour());

    const QImage tile = LoadTile(backgroundIndex, progDir, rejected);
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
