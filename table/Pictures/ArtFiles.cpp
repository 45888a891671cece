#include "table/Pictures/ArtFiles.h"

#include <QDir>
#include <QSet>
#include <cstdio>
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

void ReportUnreadableOnce(const QString& path, const char* what) {
    static std::mutex guard;
    static QSet<QString> reported;
    std::lock_guard lock(guard);
    if (reported.contains(path)) return;
    reported.insert(path);
    std::fprintf(stderr, "zarn: cannot read the %s \"%s\"; using the built-in copy\n", what,
                 qPrintable(QDir::toNativeSeparators(path)));
}

} // namespace zarn
