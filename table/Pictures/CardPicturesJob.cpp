#include "table/Pictures/CardPicturesJob.h"

#include "table/Pictures/ArtFiles.h"

#include <QFile>

namespace zarn {

CardPicturesJob::CardPicturesJob(const QString& progDir, const QString& cacheFolder)
    : progDir_(progDir), cacheFolder_(cacheFolder), layoutGiven_(layout_.get_future().share()) {
    for (int i = 0; i < ArtworkStripCount; ++i)
        if (QFile::exists(FileInDirectory(progDir_, QString::fromLatin1(ArtworkFileNames[i]))))
            startWorker(i, true);
}

CardPicturesJob::~CardPicturesJob() {
    if (!given_) layout_.set_value(std::nullopt); // the workers end without drawing
}

// Reads the strip's file, then, once the layout is given, takes the strip from the cache
// (unless it has been looked for there already) or draws it, and cuts it.
void CardPicturesJob::startWorker(int strip, bool readCache) {
    std::promise<RejectedFile> rejected;
    rejected_[strip] = rejected.get_future();
    workers_[strip] = std::async(std::launch::async, [this, strip, readCache, progDir = progDir_,
                                                      layout = layoutGiven_,
                                                      rejected = std::move(rejected)]() mutable {
        const CardArtwork art(progDir, strip);
        rejected.set_value(art.rejected(strip));
        const std::optional<StripLayout> l = layout.get();
        if (!l) return;
        const QByteArray key = StripKey(art.bytes(strip), strip, *l);
        QImage image = readCache ? ReadCachedStrip(cacheFolder_, strip, key, *l) : QImage();
        if (image.isNull()) {
            image = RenderStrip(art, strip, *l);
            drawn_[strip] = {strip, key, image};
        }
        CutStrip(image, strip, *l, pictures_, StripPixels::Shared);
    });
}

void CardPicturesJob::render(const GameState& s, qreal devicePixelRatio) {
    if (given_) return;
    given_ = StripLayoutFor(s, devicePixelRatio);
    layout_.set_value(given_);
    for (int i = 0; i < ArtworkStripCount; ++i) {
        if (workers_[i].valid()) continue; // a file of the working directory
        const QByteArray builtIn =
            BuiltInBytes(QStringLiteral("cards/") + QString::fromLatin1(ArtworkFileNames[i]));
        const QImage kept =
            ReadCachedStrip(cacheFolder_, i, StripKey(builtIn, i, *given_), *given_);
        if (kept.isNull())
            startWorker(i, false);
        else
            CutStrip(kept, i, *given_, pictures_, StripPixels::Shared);
    }
}

void CardPicturesJob::reportRejected() {
    if (reported_) return;
    reported_ = true;
    for (std::future<RejectedFile>& file : rejected_)
        if (file.valid()) ReportRejectedArtwork(file.get());
}

CardPictures CardPicturesJob::take() {
    reportRejected();
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
