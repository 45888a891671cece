#include "scores/ScoreStore.h"

#include "files/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <utility>

namespace zarn {
namespace {

// The bytes of a score file that can be read whole and is of a format the game knows.
std::optional<QByteArray> Usable(const ForeignFile& file, const QString& path, QString* why) {
    if (file.outcome == ForeignFile::Refused) {
        *why = QStringLiteral("%1 cannot be read (%2)").arg(path, file.why);
        return std::nullopt;
    }
    if (ScoreFileFormatOf(file.bytes) > ScoreFileFormat) {
        *why = QStringLiteral("%1 was written by a newer version of the game").arg(path);
        return std::nullopt;
    }
    return file.bytes;
}

} // namespace

ScoreStore::ScoreStore(QString path) : path_(std::move(path)) {}

QString ScoreStore::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/scores.txt");
}

std::optional<ScoreBook> ScoreStore::read(QString* why) const {
    QString reason;
    const std::optional<QByteArray> bytes =
        Usable(ReadForeignFile(path_, MaxScoreFileBytes), path_, &reason);
    if (why) *why = reason;
    if (!bytes) return std::nullopt;
    return ParseScores(*bytes);
}

bool ScoreStore::update(const std::function<void(ScoreBook&)>& change, ScoreBook* book) {
    error_.clear();
    const QFileInfo info(path_);
    const QString folderPath = info.absolutePath();
    if (!QDir().mkpath(folderPath)) {
        error_ = QStringLiteral("the folder %1 cannot be created").arg(folderPath);
        return false;
    }
    // Everything below is done in this folder, whatever its name comes to name meanwhile.
    const Folder folder = Folder::At(folderPath);
    const QString name = info.fileName();
    const FolderLock lock(folder, name + QStringLiteral(".lock"), lockTimeout_);
    if (!lock.held()) {
        error_ = lock.busy() ? QStringLiteral("another copy of the game keeps %1 locked").arg(path_)
                             : QStringLiteral("the lock file beside %1 cannot be made (%2)")
                                   .arg(path_, lock.why());
        return false;
    }
    // A file that could not be read whole is not written over with part of it.
    const std::optional<QByteArray> old =
        Usable(ReadForeignFile(folder, name, MaxScoreFileBytes), path_, &error_);
    if (!old) return false;
    const ScoreBook before = ParseScores(*old);
    ScoreBook after = before;
    change(after);
    QString why;
    if (!WriteWholeFile(folder, name, UpdateScores(*old, before, after), &why)) {
        error_ = QStringLiteral("%1 cannot be written (%2)").arg(path_, why);
        return false;
    }
    if (book) *book = std::move(after);
    return true;
}

} // namespace zarn
