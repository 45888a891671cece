#pragma once
// The five artwork files behind the card pictures, parsed once per card size.

#include <QRectF>
#include <QString>
#include <array>
#include <memory>

class QPainter;
class QSvgRenderer;

namespace zarn {

inline constexpr int ArtworkStripCount = 5;
// Strip 0..3: clubs, diamonds, hearts, spades (ace to king); strip 4: the empty-pile marker.
extern const std::array<const char*, ArtworkStripCount> ArtworkFileNames;

class CardArtwork {
public:
    // Each file is looked for in progDir (the working directory) first; the built-in copy is
    // used when it is missing there or QtSvg cannot read it (the latter reported once).
    explicit CardArtwork(const QString& progDir);
    ~CardArtwork();
    CardArtwork(CardArtwork&&) noexcept;
    CardArtwork& operator=(CardArtwork&&) noexcept;

    // Draws strip `strip` scaled to fill `target` exactly.
    void render(int strip, QPainter& painter, const QRectF& target) const;
    // The file strip `strip` was read from (a resource path for a built-in copy).
    const QString& source(int strip) const { return sources_[strip]; }
    bool fromWorkingDirectory(int strip) const { return !sources_[strip].startsWith(':'); }

private:
    std::array<std::unique_ptr<QSvgRenderer>, ArtworkStripCount> renderers_;
    std::array<QString, ArtworkStripCount> sources_;
};

} // namespace zarn
