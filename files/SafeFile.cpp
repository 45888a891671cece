#include "files/SafeFile.h"

#include <QSaveFile>

namespace zarn {

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    auto fail = [&] {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly)) return fail();
    // A full disk only shows when the buffered bytes are pushed out. commit() would not
    // notice it and would put an empty file in the place of the old one, so the bytes
    // are flushed, and checked, first.
    if (file.write(bytes) != bytes.size() || !file.flush()) return fail();
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace zarn
