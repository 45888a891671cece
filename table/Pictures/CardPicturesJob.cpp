#include "table/Pictures/CardPicturesJob.h"

#include "table/Pictures/ArtFiles.h"

#include <QFile>

namespace zarn {

CardPicturesJob::CardPicturesJob(const QString& progDir, const QString& cacheFolder)
    : progDir_(progDir), cacheFolder_(cacheFolder), layoutGiven_(layout_.get_future().share()) {
    for (int i = 0; i < ArtworkStripCount; ++i) startWorker(i);
}

CardPicturesJob::~CardPicturesJob() {
    if (!given_) layout_.set_value(std::nullopt); // the workers end without drawing
}

// Reads the strip's file (a file of the working directory is parsed at once, to know
// whether it can be used), then, once the layout is given, takes the strip from the cache
// or draws it, and cuts it.
void CardPicturesJob::startWorker(int strip) {
    std::promise<std::optional<Notice>> rejected;
    rejected_[strip] = rejected.get_future();
    workers_[strip] = std::async(std::launch::async, [this, strip, layout = layoutGiven_,
                                                      rejected = std::move(rejected)]() mutable {
        const QString name = QString::fromLatin1(ArtworkFileNames[strip]);
        std::optional<CardArtwork> art;
        QByteArray bytes;
        if (QFile::exists(FileInDirectory(progDir_, name))) {
            art.emplace(progDir_, strip);
            bytes = art->bytes(strip);
        } else {
            bytes = BuiltInBytes(QStringLiteral("cards/") + name);
        }
        rejected.set_value(art ? art->rejected(strip) : std::nullopt);
        const std::optional<StripLayout> l = layout.get();
        if (!l) return;
        const QByteArray key = StripKey(bytes, strip, *l);
        QImage image = ReadCachedStrip(cacheFolder_, strip, key, *l);
        if (image.isNull()) {
            if (!art) art.emplace(progDir_, strip);
            image = RenderStrip(*art, strip, *l);
            drawn_[strip] = {strip, key, image};
        }
        CutStrip(image, strip, *l, pictures_, StripPixels::Shared);
    });
}

void CardPicturesJob::render(const GameState& s, qreal devicePixelRatio) {
    if (given_) return;
    given_ = StripLayoutFor(s, devicePixelRatio);
    layout_.set_value(given_);
}

std::vector<Notice> CardPicturesJob::rejected() {
    for (std::future<std::optional<Notice>>& file : rejected_)
        if (file.valid())
            if (std::optional<Notice> notice = file.get()) rejectedFiles_.push_back(*notice);
    return rejectedFiles_;
}

CardPictures CardPicturesJob::take() {
    for (std::future<void>& worker : workers_)
        if (worker.valid()) worker.get();
    return std::move(pictures_);
}

std::vector<DrawnStrip> CardPicturesJob::drawnStrips() const {
    std::vector<DrawnStrip> drawn;
    for (const DrawnStrip& strip : drawn_)
        if (!strip.image.isNull()) drawn.push_back(strip);
    return drawn;
}

} // namespace zarn
