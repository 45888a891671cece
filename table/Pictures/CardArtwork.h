#pragma once
// The five artwork files behind the card pictures, parsed once per card size.

#include "files/Notice.h"

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QSvgRenderer;

namespace zarn {

inline constexpr int ArtworkStripCount = 5;
inline constexpr int MarkerStrip = 4;
// Strip 0..3: clubs, diamonds, hearts, spades (ace to king); strip 4: the empty-pile marker.
extern const std::array<const char*, ArtworkStripCount> ArtworkFileNames;

class CardArtwork {
public:
    // Each file is looked for in progDir (the working directory) first; the built-in copy is
    // used when it is missing there or QtSvg cannot read it (the latter named by rejected()).
    explicit CardArtwork(const QString& progDir);
    // Only strip `strip` (the others draw nothing), for a worker thread.
    CardArtwork(const QString& progDir, int strip);
    ~CardArtwork();
    CardArtwork(CardArtwork&&) noexcept;
    CardArtwork& operator=(CardArtwork&&) noexcept;

    // Draws strip `strip` scaled to fill `target` exactly.
    void render(int strip, QPainter& painter, const QRectF& target) const;
    // The file strip `strip` was read from (a resource path for a built-in copy).
    const QString& source(int strip) const { return sources_[strip]; }
    // The bytes of that file.
    const QByteArray& bytes(int strip) const { return bytes_[strip]; }
    bool fromWorkingDirectory(int strip) const { return !sources_[strip].startsWith(':'); }
    // The file of the working directory that could not be used for strip `strip`, the
    // built-in copy being drawn instead.
    const std::optional<Notice>& rejected(int strip) const { return rejected_[strip]; }
    // Those of every strip, in strip order.
    std::vector<Notice> rejected() const;

private:
    void load(const QString& progDir, int strip);

    std::array<std::unique_ptr<QSvgRenderer>, ArtworkStripCount> renderers_;
    std::array<QString, ArtworkStripCount> sources_;
    std::array<QByteArray, ArtworkStripCount> bytes_;
    std::array<std::optional<Notice>, ArtworkStripCount> rejected_;
};

} // namespace zarn
