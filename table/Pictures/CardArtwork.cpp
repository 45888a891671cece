#include "table/Pictures/CardArtwork.h"

#include "files/SafeFile.h"
#include "table/CardMetrics.h"
#include "table/Pictures/ArtFiles.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace zarn {

const std::array<const char*, ArtworkStripCount> ArtworkFileNames = {
    "clubs2.svg", "diamond2.svg", "hearts2.svg", "spades2.svg", "backs.svg"};

namespace {

// The pixels all pictures embedded in one artwork file may have together: a strip at the
// largest card size, four times as dense each way as at 96 dots per inch.
constexpr qint64 MaxEmbeddedPixels =
    qint64(StripBaseWidth * MaxScale / 15 * 4) * qint64(StripBaseHeight * MaxScale / 15 * 4);
// How deep SVG pictures may be embedded in one another.
constexpr int MaxEmbeddingDepth = 4;

const QString RefersToOthers = QStringLiteral("it refers to other files");
const QString TooLarge = QStringLiteral("its embedded pictures are too large");

QString Unusable(const QByteArray& bytes, qint64& pixels, int depth);

// The picture a data: link holds, decoded as QtSvg decodes it (it looks for "base64,"
// and guesses the format from the bytes, whatever type the link names).
QByteArray DataLinkBytes(QStringView link) {
    const qsizetype base64 = link.lastIndexOf(QLatin1String("base64,"));
    if (base64 >= 0) return QByteArray::fromBase64(link.mid(base64 + 7).toLatin1());
    return QByteArray::fromPercentEncoding(link.mid(link.indexOf(QLatin1Char(',')) + 1).toUtf8());
}

// What is wrong with a picture held in a data: link, adding its pixels to the count.
QString UnusableEmbedded(QStringView link, qint64& pixels, int depth) {
    QByteArray bytes = DataLinkBytes(link);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();
    if (format.isEmpty()) return {}; // nothing Qt could decode, so nothing is loaded
    if (format.startsWith("svg")) {
        // Drawn by QtSvg again, with all the links of its own.
        if (depth >= MaxEmbeddingDepth) return RefersToOthers;
        const QString why = Unusable(bytes, pixels, depth + 1);
        if (!why.isEmpty()) return why;
    }
    // The size comes from the picture's header; one that does not tell it is not decoded.
    const QSize size = reader.size();
    if (!size.isValid()) return TooLarge;
    pixels += qint64(size.width()) * size.height();
    return pixels > MaxEmbeddedPixels ? TooLarge : QString();
}

// What keeps an SVG file from being handed to QtSvg, or nothing. QtSvg reads by itself
// the file a style sheet instruction or an <image> names (a FIFO, /dev/zero), decodes
// every embedded picture whole and draws an SVG embedded in an <image> with all its
// links. So the file is read here first, and used only when it refers to nothing but
// itself and its embedded pictures fit the budget; what cannot be read here is not used.
QString Unusable(const QByteArray& bytes, qint64& pixels, int depth) {
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::ProcessingInstruction: // the XML declaration is none
            return RefersToOthers;
        case QXmlStreamReader::StartElement:
            for (const QXmlStreamAttribute& a : xml.attributes()) {
                if (a.name() != QLatin1String("href")) continue;
                const QStringView link = a.value().trimmed();
                // "#id" names a part of this file, except to <image>, which takes it
                // for a file name.
                if (link.startsWith(QLatin1Char('#')) && xml.name() != QLatin1String("image"))
                    continue;
                if (!link.startsWith(QLatin1String("data:"))) return RefersToOthers;
                const QString why = UnusableEmbedded(link, pixels, depth);
                if (!why.isEmpty()) return why;
            }
            break;
        default:
            break;
        }
    }
    return xml.hasError() ? QStringLiteral("it is not an SVG picture") : QString();
}

bool DrawsSomething(QSvgRenderer& renderer) {
    QImage image(130, 14, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, image.rect());
    painter.end();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return true;
    return false;
}

// A renderer for the artwork file at path (its bytes in *bytes), or null with *why saying
// what is wrong.
std::unique_ptr<QSvgRenderer> Parse(const QString& path, QByteArray* bytes, QString* why) {
    const ForeignFile file = ReadForeignFile(path, MaxArtworkBytes);
    *why = file.why;
    if (file.outcome != ForeignFile::Read) return nullptr;
    *bytes = file.bytes;
    qint64 pixels = 0;
    *why = Unusable(file.bytes, pixels, 0);
    if (!why->isEmpty()) return nullptr;
    auto renderer = std::make_unique<QSvgRenderer>(file.bytes);
    if (!renderer->isValid()) {
        *why = QStringLiteral("it is not an SVG picture");
        return nullptr;
    }
    if (!DrawsSomething(*renderer)) {
        *why = QStringLiteral("it draws nothing");
        return nullptr;
    }
    return renderer;
}

} // namespace

CardArtwork::CardArtwork(const QString& progDir) {
    for (int i = 0; i < ArtworkStripCount; ++i) load(progDir, i);
}

std::vector<Notice> CardArtwork::rejected() const {
    std::vector<Notice> notices;
    for (const std::optional<Notice>& file : rejected_)
        if (file) notices.push_back(*file);
    return notices;
}

CardArtwork::CardArtwork(const QString& progDir, int strip) {
    load(progDir, strip);
}

void CardArtwork::load(const QString& progDir, int strip) {
    const QString name = QString::fromLatin1(ArtworkFileNames[strip]);
    const QString local = FileInDirectory(progDir, name);
    QString why;
    renderers_[strip] = Parse(local, &bytes_[strip], &why);
    if (renderers_[strip]) {
        sources_[strip] = local;
        return;
    }
    if (!why.isEmpty()) rejected_[strip] = RejectedPicture(local, "card artwork", why);
    sources_[strip] = BuiltInPath(QStringLiteral("cards/") + name);
    bytes_[strip] = BuiltInBytes(QStringLiteral("cards/") + name);
    renderers_[strip] = std::make_unique<QSvgRenderer>(bytes_[strip]);
}

CardArtwork::~CardArtwork() = default;
CardArtwork::CardArtwork(CardArtwork&&) noexcept = default;
CardArtwork& CardArtwork::operator=(CardArtwork&&) noexcept = default;

void CardArtwork::render(int strip, QPainter& painter, const QRectF& target) const {
    if (renderers_[strip]) renderers_[strip]->render(&painter, target);
}

} // namespace zarn
