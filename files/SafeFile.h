#pragma once
// Replacing a file whole or not at all.

#include <QByteArray>
#include <QString>

namespace zarn {

// Writes bytes to a new file beside path and puts it in the place of the old one only
// when every byte reached the disk. On failure the old file is untouched, false is
// returned and *error (when given) says why.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace zarn
