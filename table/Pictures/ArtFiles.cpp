#include "table/Pictures/ArtFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <mutex>

// Resources of a static library must be registered by hand: nothing else would keep the
// linker from dropping them.
static void RegisterPictureResources() {
    Q_INIT_RESOURCE(zarn_pictures);
}

namespace zarn {

QString FileInDirectory(const QString& dir, const QString& name) {
    if (dir.isEmpty()) return name;
    return QDir(dir).filePath(name);
}

QString BuiltInPath(const QString& relativePath) {
    static std::once_flag registered;
    std::call_once(registered, RegisterPictureResources);
    return QStringLiteral(":/zarn/") + relativePath;
}

QByteArray BuiltInBytes(const QString& relativePath) {
    QFile file(BuiltInPath(relativePath));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Notice RejectedPicture(const QString& path, const char* what, const QString& why) {
    return {Notice::Refused, path,
            QStringLiteral("%1 cannot be used (%2); the built-in %3 is shown.")
                .arg(QFileInfo(path).fileName(), why, QString::fromLatin1(what))};
}

} // namespace zarn
