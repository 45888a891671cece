#pragma once
// Finding the files the table is drawn from: the working directory first, the copy built
// into the program when the file there is missing or cannot be read.

#include <QByteArray>
#include <QString>

namespace zarn {

// The file `name` inside the directory `dir` (which may or may not end in a separator).
QString FileInDirectory(const QString& dir, const QString& name);
// The built-in copy of an artwork file ("cards/clubs2.svg") or a tile ("tiles/coral.bmp").
QString BuiltInPath(const QString& relativePath);
// Tells the player on standard error, once per file and run, that a file in the working
// directory could not be read and the built-in copy is used instead.
void ReportUnreadableOnce(const QString& path, const char* what);

} // namespace zarn
