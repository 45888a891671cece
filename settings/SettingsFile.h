#pragma once
// Reading and writing "zarn.pro", the settings file in the working directory.
//
// The file is read once at start-up. A missing or empty one is announced ("zarn.pro not
// found, new file created"), created with the default lines and then read. One that is
// not a regular file (a link to /dev/null, say) is announced, the defaults are used, and
// it is never written over. Of a larger file only the first MaxSettingsBytes are read.
// Writing replaces the file whole (WriteWholeFile), so the old file stays whole when the
// disk is full or the folder cannot be written, and a link is written through only when
// it and its file are the player's own; such a failure is announced once (until a later
// write succeeds) and is kept in lastError() for anyone who wants to show it again. A
// folder that cannot be used is announced once; the defaults are used, and nothing is
// written.

#include "files/SafeFile.h"
#include "settings/Settings.h"

#include <QString>
#include <functional>
#include <optional>

namespace zarn {

inline constexpr char SettingsFileName[] = "zarn.pro";
// Bytes of the file that are looked at; the program writes a few dozen.
inline constexpr qint64 MaxSettingsBytes = 64 * 1024;

enum class SettingsNotice {
    Created,     // the file was missing or empty and is created with the defaults
    WriteFailed, // the file could not be written; the old one, if any, is untouched
    ReadFailed,  // the file exists but cannot be read; the defaults are used
    // The same hook carries the messages about the game's other files.
    ScoresNotKept,   // the score file cannot be read whole or written
    PictureRejected, // an artwork file or tile is not used; the built-in copy is
};

// Shows a message to the player and returns when it has been acknowledged.
using SettingsNoticeFn = std::function<void(SettingsNotice kind, const QString& text)>;

// The real one: a message box titled "ZARN" with an OK button.
void ShowSettingsNoticeBox(SettingsNotice kind, const QString& text);

class SettingsFile {
public:
    // The file at path, its folder looked up at each read and write.
    explicit SettingsFile(QString path = QString::fromLatin1(SettingsFileName),
                          SettingsNoticeFn notice = ShowSettingsNoticeBox);
    // zarn.pro in a folder opened once.
    SettingsFile(Folder folder, SettingsNoticeFn notice);

    // Reads the file, creating it first when it is missing or empty. Always gives
    // usable values.
    Settings load();
    // Writes the file in the program's own form. False when it could not be written.
    bool save(const Settings& settings);

    // Why the last load or save went wrong; empty after a success.
    QString lastError() const { return lastError_; }
    const QString& path() const { return path_; }

private:
    bool writeBytes(const QByteArray& bytes);
    void announceFailure(SettingsNotice kind, const QString& what);

    QString path_;
    std::optional<Folder> folder_;
    bool writable_ = true; // false when the folder cannot be used
    SettingsNoticeFn notice_;
    QString lastError_;
    bool failureAnnounced_ = false;
};

} // namespace zarn
