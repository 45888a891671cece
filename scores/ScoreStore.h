#pragma once
// The score file on disk, shared by every running copy of the game.
//
// A change is always read-modify-write under a lock file beside the score file
// (scores.txt.lock, see FolderLock): the file is read afresh, the change applied to what
// it holds and the result written whole (WriteWholeFile), the lines of other games as
// they were. So two copies that finish games at the same moment both find their result in
// the file, and a failed write (full disk, a folder that cannot be written) leaves the
// previous file whole. The lock is waited for only a moment: a result that cannot be
// written now is written with a later one. A file of a newer format is never written.

#include "scores/ScoreBook.h"

#include <QString>
#include <functional>
#include <optional>

namespace zarn {

// The largest score file read (about 50,000 game names). A larger one, or one that is not
// a regular file, is neither read nor written over.
inline constexpr qint64 MaxScoreFileBytes = 16 * 1024 * 1024;

class ScoreStore {
public:
    explicit ScoreStore(QString path = DefaultPath());

    // scores.txt in the user's data folder of the application
    // (QStandardPaths::AppDataLocation), e.g. ~/.local/share/zarn/scores.txt.
    static QString DefaultPath();

    const QString& path() const { return path_; }

    // What the file holds now; an absent file holds nothing. Nothing, and *why, when the
    // file is there but cannot be read whole. The file is only ever replaced whole, so no
    // lock is needed to read it.
    std::optional<ScoreBook> read(QString* why = nullptr) const;

    // Applies change to the current contents under the lock and writes the result.
    // On success `book` (when given) receives what was written. False, with error(),
    // when the lock could not be had or the file could not be read whole or written;
    // nothing is changed on disk then.
    bool update(const std::function<void(ScoreBook&)>& change, ScoreBook* book = nullptr);

    QString error() const { return error_; }

    // How long update() waits for another copy to let go of the lock, milliseconds.
    void setLockTimeout(int milliseconds) { lockTimeout_ = milliseconds; }

private:
    QString path_;
    QString error_;
    int lockTimeout_ = 300;
};

} // namespace zarn
