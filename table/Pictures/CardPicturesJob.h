#pragma once
// The card pictures made while the caller goes on with other work. Each strip has a
// worker thread of its own, which reads its artwork file as soon as the job starts,
// before the card size is known, then takes the strip kept in the cache folder for that
// size (see StripCache.h) or draws it, and cuts it into its pictures.

#include "table/Pictures/CardPictures.h"
#include "table/Pictures/StripCache.h"

#include <QString>
#include <array>
#include <future>
#include <optional>
#include <vector>

namespace zarn {

class CardPicturesJob {
public:
    explicit CardPicturesJob(const QString& progDir,
                             const QString& cacheFolder = StripCacheFolder());
    // Waits for the workers.
    ~CardPicturesJob();
    CardPicturesJob(const CardPicturesJob&) = delete;
    CardPicturesJob& operator=(const CardPicturesJob&) = delete;

    // Makes the pictures at the state's card size and the device pixel ratio; once.
    void render(const GameState& s, qreal devicePixelRatio);
    // Waits until every file of the working directory is read; those that cannot be used,
    // in strip order.
    std::vector<Notice> rejected();
    // The pictures (render() first). Once.
    CardPictures take();
    // The strips that were drawn, not found in the cache (after take()).
    std::vector<DrawnStrip> drawnStrips() const;
    const QString& cacheFolder() const { return cacheFolder_; }

private:
    void startWorker(int strip);

    QString progDir_;
    QString cacheFolder_;
    std::promise<std::optional<StripLayout>> layout_;
    std::shared_future<std::optional<StripLayout>> layoutGiven_;
    std::optional<StripLayout> given_;
    std::vector<Notice> rejectedFiles_;
    CardPictures pictures_;                           // each strip fills its own pictures
    std::array<DrawnStrip, ArtworkStripCount> drawn_; // and its own entry here
    std::array<std::future<std::optional<Notice>>, ArtworkStripCount> rejected_;
    std::array<std::future<void>, ArtworkStripCount> workers_; // last: joined first
};

} // namespace zarn
