#pragma once
// Reading and writing "zarn.pro", the settings file in the working directory.
//
// The file is read once at start-up. A missing or empty one gives the defaults and the
// notice "zarn.pro not found, new file created"; create() then writes the default lines
// (the caller tells the player first). One that is not a regular file (a link to
// /dev/null, say) gives the defaults and a notice, and it is never written over. Of a
// larger file only the first MaxSettingsBytes are read. Writing replaces the file whole
// (WriteWholeFile), so the old file stays whole when the disk is full or the folder
// cannot be written, and a link is written through only when it and its file are the
// player's own; each failure leaves a notice. A folder that cannot be used leaves one
// notice; the defaults are used, and nothing is written.

#include "files/Notice.h"
#include "files/SafeFile.h"
#include "settings/Settings.h"

#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace zarn {

inline constexpr char SettingsFileName[] = "zarn.pro";
// Bytes of the file that are looked at; the program writes a few dozen.
inline constexpr qint64 MaxSettingsBytes = 64 * 1024;

class SettingsFile {
public:
    // The file at path, its folder looked up at each read and write.
    explicit SettingsFile(QString path = QString::fromLatin1(SettingsFileName));
    // zarn.pro in a folder opened once.
    explicit SettingsFile(Folder folder);

    // Reads the file. Always gives usable values.
    Settings load();
    // Writes the default lines when load() found the file missing or empty; false when
    // they could not be written.
    bool create();
    // Writes the file in the program's own form. False when it could not be written.
    bool save(const Settings& settings);

    // What the player is to be told since the last call, oldest first.
    std::vector<Notice> takeNotices() { return std::exchange(notices_, {}); }
    const QString& path() const { return path_; }

private:
    bool writeBytes(const QByteArray& bytes);
    void refuse(const QString& text);

    QString path_;
    std::optional<Folder> folder_;
    bool writable_ = true; // false when the folder cannot be used
    bool missing_ = false; // found missing or empty by load()
    std::vector<Notice> notices_;
};

} // namespace zarn
