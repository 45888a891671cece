#include "table/Pictures/CardPicturesJob.h"

#include "table/Pictures/ArtFiles.h"
#include "table/Pictures/PrerenderedStrips.h"

#include <QFile>

namespace zarn {

CardPicturesJob::CardPicturesJob(const QString& progDir)
    : progDir_(progDir), layoutGiven_(layout_.get_future().share()) {
    for (int i = 0; i < ArtworkStripCount; ++i)
        if (QFile::exists(FileInDirectory(progDir_, QString::fromLatin1(ArtworkFileNames[i]))))
            startWorker(i);
}

CardPicturesJob::~CardPicturesJob() {
    if (!given_) layout_.set_value(std::nullopt); // the workers end without drawing
}

// Reads the strip's file, then, once the layout is given, draws the strip and cuts it.
void CardPicturesJob::startWorker(int strip) {
    std::promise<RejectedFile> rejected;
    rejected_[strip] = rejected.get_future();
    workers_[strip] =
        std::async(std::launch::async, [this, strip, progDir = progDir_, layout = layoutGiven_,
                                        rejected = std::move(rejected)]() mutable {
            const CardArtwork art(progDir, strip);
            rejected.set_value(art.rejected(strip));
            if (const std::optional<StripLayout> l = layout.get())
                CutStrip(RenderStrip(art, strip, *l), strip, *l, pictures_);
        });
}

void CardPicturesJob::render(const GameState& s, qreal devicePixelRatio) {
    if (given_) return;
    given_ = StripLayoutFor(s, devicePixelRatio);
    layout_.set_value(given_);
    for (int i = 0; i < ArtworkStripCount; ++i) {
        if (workers_[i].valid()) continue; // a file of the working directory
        const QImage carried = PrerenderedStrip(i, *given_);
        if (carried.isNull())
            startWorker(i);
        else
            CutStrip(carried, i, *given_, pictures_, StripPixels::Shared); // kept by the program
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

} // namespace zarn
