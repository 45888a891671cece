#pragma once
// The drawn artwork strips kept in the user's cache folder, so that a later start cuts its
// pictures from them instead of parsing and drawing the artwork. A kept strip is used
// only when it was drawn from the same artwork bytes, for the same strip layout and
// device pixel ratio, by the same Qt; anything else found there (another key, another
// length, a FIFO, a link to a device) is not used, and the strip is drawn and kept anew.

#include "table/Pictures/CardPictures.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <future>
#include <vector>

namespace zarn {

// The folder the strips are kept in (QStandardPaths::CacheLocation); empty: none.
QString StripCacheFolder();
// The file strip `strip` is kept in.
QString StripCacheFile(const QString& folder, int strip);

// Everything strip `strip`'s pixels depend on: the bytes of the artwork file it is drawn
// from, the strip, its layout and device pixel ratio, and the Qt that draws it.
QByteArray StripKey(QByteArrayView artwork, int strip, const StripLayout& layout);

// The strip kept under `key`, its pixels where the file's bytes were read (sealed
// memory, see ReadSealedFile); a null image when none is kept for that key and layout.
QImage ReadCachedStrip(const QString& folder, int strip, const QByteArray& key,
                       const StripLayout& layout);

// A strip drawn this run, to be kept.
struct DrawnStrip {
    int strip = 0;
    QByteArray key;
    QImage image;
};
// Keeps the strips, each file replaced whole; whatever lies in the place of the folder or
// of a file and is neither is removed first. Nothing is said when it fails.
void WriteCachedStrips(const QString& folder, const std::vector<DrawnStrip>& strips);
// The same on a thread of its own; the future's destructor waits for it.
std::future<void> WriteCachedStripsLater(const QString& folder, std::vector<DrawnStrip> strips);

} // namespace zarn
