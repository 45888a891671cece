#include "table/Pictures/ArtFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cstdio>
#include <mutex>

// Resources of a static library must be registered by hand: nothing else would keep the
// linker from dropping them.
static void RegisterPictureResources() {
    Q_INIT_RESOURCE(zarn_pictures);
}

namespace zarn {
namespace {

std::mutex guard;
std::function<void(const QString&)> notice;

} // namespace

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

void SetPictureNotice(std::function<void(const QString&)> fn) {
    std::lock_guard lock(guard);
    notice = std::move(fn);
}

void ReportRejectedOnce(const QString& path, const char* what, const QString& why) {
    static QSet<QString> reported;
    // The file by its folder's own name: a folder's files may be named through its open
    // descriptor.
    const QFileInfo file(path);
    const QString folder = QDir(file.path()).canonicalPath();
    const QString key = folder.isEmpty() ? path : folder + '/' + file.fileName();
    std::function<void(const QString&)> tell;
    {
        std::lock_guard lock(guard);
        if (reported.contains(key)) return;
        reported.insert(key);
        tell = notice;
    }
    const QString text = QStringLiteral("%1 cannot be used (%2); the built-in %3 is shown.")
                             .arg(QFileInfo(path).fileName(), why, QString::fromLatin1(what));
    if (tell)
        tell(text);
    else
        std::fprintf(stderr, "zarn: %s\n", qPrintable(text));
}

} // namespace zarn
