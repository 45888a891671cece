#pragma once
// Files read and written whole or not at all.
//
// Reading is for the files the game did not write itself (the artwork, the tiles, the
// settings file, the score file, the help page): whatever lies under the name, a FIFO,
// a device, a link to one, a file of gigabytes, the call returns at once, having read no
// more than the caller's bound. Writing never puts a file in the place of anything but a
// file.

#include <QByteArray>
#include <QString>

namespace zarn {

struct ForeignFile {
    enum Outcome {
        Read,    // bytes hold the file (or its head, see ReadPart)
        Missing, // nothing to read under the name: no file, a dangling link, or a folder
        Refused, // something is there but is not read; why says what
    };
    Outcome outcome = Missing;
    QByteArray bytes;
    QString why; // "it is not a regular file", "it holds more than 65536 bytes", ...
};

enum class ReadPart {
    Whole, // a file of more than maxBytes is refused
    Head,  // a file of more than maxBytes gives its first maxBytes
};

// Reads the file at path when it is a regular file (links followed), at most maxBytes of
// it. It is opened without blocking, so a name that turns into a FIFO on the way cannot
// hold the program up.
ForeignFile ReadForeignFile(const QString& path, qint64 maxBytes, ReadPart part = ReadPart::Whole);

// Writes bytes to a new file beside path and puts it in the place of the old one only
// when every byte reached the disk. On failure the old file is untouched, false is
// returned and *error (when given) says why. What path names (links followed) must be a
// regular file or nothing: a device, a FIFO or a folder is never replaced.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace zarn
