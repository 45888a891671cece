#include "scores/ScoreStore.h"

#include "files/SafeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <utility>

namespace zarn {

ScoreStore::ScoreStore(QString path) : path_(std::move(path)) {}

QString ScoreStore::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/scores.txt");
}

std::optional<ScoreBook> ScoreStore::read(QString* why) const {
    const ForeignFile file = ReadForeignFile(path_, MaxScoreFileBytes);
    if (file.outcome == ForeignFile::Refused) {
        if (why) *why = QStringLiteral("%1 cannot be read (%2)").arg(path_, file.why);
        return std::nullopt;
    }
    return ParseScores(file.bytes);
}

bool ScoreStore::update(const std::function<void(ScoreBook&)>& change, ScoreBook* book) {
    error_.clear();
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        error_ = QStringLiteral("the folder %1 cannot be created").arg(folder);
        return false;
    }
    QLockFile lock(path_ + QStringLiteral(".lock"));
    if (!lock.tryLock(lockTimeout_)) {
        error_ = lock.error() == QLockFile::LockFailedError
                     ? QStringLiteral("another copy of the game keeps the score file locked")
                     : QStringLiteral("the lock file beside %1 cannot be made").arg(path_);
        return false;
    }
    // A file that could not be read whole is not written over with part of it.
    std::optional<ScoreBook> current = read(&error_);
    if (!current) return false;
    change(*current);
    const QByteArray bytes = FormatScores(*current);
    QString why;
    if (!WriteWholeFile(path_, bytes, &why)) {
        error_ = QStringLiteral("%1 cannot be written (%2)").arg(path_, why);
        return false;
    }
    if (book) *book = std::move(*current);
    return true;
}

} // namespace zarn
