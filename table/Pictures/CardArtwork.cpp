#include "table/Pictures/CardArtwork.h"

#include "table/Pictures/ArtFiles.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace zarn {

const std::array<const char*, ArtworkStripCount> ArtworkFileNames = {
    "clubs2.svg", "diamond2.svg", "hearts2.svg", "spades2.svg", "backs.svg"};

namespace {

// A renderer for the file at path, or null when the file is absent or not valid SVG.
std::unique_ptr<QSvgRenderer> Parse(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    auto renderer = std::make_unique<QSvgRenderer>(file.readAll());
    if (!renderer->isValid()) return nullptr;
    return renderer;
}

} // namespace

CardArtwork::CardArtwork(const QString& progDir) {
    for (int i = 0; i < ArtworkStripCount; ++i) {
        const QString name = QString::fromLatin1(ArtworkFileNames[i]);
        const QString local = FileInDirectory(progDir, name);
        if (QFile::exists(local)) {
            renderers_[i] = Parse(local);
            if (renderers_[i]) {
                sources_[i] = local;
                continue;
            }
            ReportUnreadableOnce(local, "card artwork");
        }
        sources_[i] = BuiltInPath(QStringLiteral("cards/") + name);
        renderers_[i] = Parse(sources_[i]);
    }
}

CardArtwork::~CardArtwork() = default;
CardArtwork::CardArtwork(CardArtwork&&) noexcept = default;
CardArtwork& CardArtwork::operator=(CardArtwork&&) noexcept = default;

void CardArtwork::render(int strip, QPainter& painter, const QRectF& target) const {
    if (renderers_[strip]) renderers_[strip]->render(&painter, target);
}

} // namespace zarn
