#include "table/Pictures/CardArtwork.h"

#include "files/SafeFile.h"
#include "table/Pictures/ArtFiles.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace zarn {

const std::array<const char*, ArtworkStripCount> ArtworkFileNames = {
    "clubs2.svg", "diamond2.svg", "hearts2.svg", "spades2.svg", "backs.svg"};

namespace {

// QtSvg opens the file named by an <image> itself, FIFOs and devices included; only
// pictures held in the file (data: links) are let through.
bool RefersToOtherFiles(const QByteArray& bytes) {
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("image")) continue;
        for (const QXmlStreamAttribute& a : xml.attributes())
            if (a.name() == QLatin1String("href") && !a.value().startsWith(QLatin1String("data:")))
                return true;
    }
    return false;
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
    if (RefersToOtherFiles(file.bytes)) {
        *why = QStringLiteral("it refers to other files");
        return nullptr;
    }
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

void ReportRejectedArtwork(const RejectedFile& file) {
    if (!file.path.isEmpty()) ReportRejectedOnce(file.path, "card artwork", file.why);
}

CardArtwork::CardArtwork(const QString& progDir) {
    for (int i = 0; i < ArtworkStripCount; ++i) {
        load(progDir, i);
        ReportRejectedArtwork(rejected_[i]);
    }
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
    if (!why.isEmpty()) rejected_[strip] = {local, why};
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
