#pragma once
// Finding the files the table is drawn from: the working directory first, the copy built
// into the program when the file there is missing or cannot be used.

#include "files/Notice.h"

#include <QByteArray>
#include <QString>

namespace zarn {

// The largest artwork file and tile read from the working directory.
inline constexpr qint64 MaxArtworkBytes = 16 * 1024 * 1024;
inline constexpr qint64 MaxTileBytes = 4 * 1024 * 1024;

// The file `name` inside the directory `dir` (which may or may not end in a separator).
QString FileInDirectory(const QString& dir, const QString& name);
// The built-in copy of an artwork file ("cards/clubs2.svg") or a tile ("tiles/coral.bmp").
QString BuiltInPath(const QString& relativePath);
// The bytes of a built-in copy.
QByteArray BuiltInBytes(const QString& relativePath);

// The notice that the file at path in the working directory is not used (why says what is
// wrong with it) and the built-in `what` is used instead.
Notice RejectedPicture(const QString& path, const char* what, const QString& why);

} // namespace zarn
