#include "settings/SettingsFile.h"

#include "files/SafeFile.h"

#include <QFileInfo>
#include <utility>

namespace zarn {

SettingsFile::SettingsFile(QString path) : path_(std::move(path)) {}

SettingsFile::SettingsFile(Folder folder)
    : path_(QString::fromLatin1(SettingsFileName)), folder_(std::move(folder)) {}

Settings SettingsFile::load() {
    missing_ = false;
    const QString name = QFileInfo(path_).fileName();
    if (folder_ && !folder_->usable()) {
        writable_ = false;
        refuse(name +
               " cannot be kept: the folder the game was started from cannot be "
               "used (" +
               folder_->why() + "). The usual settings are used and not saved.");
        return Settings{};
    }
    const ForeignFile file = folder_
                                 ? ReadForeignFile(*folder_, name, MaxSettingsBytes, ReadPart::Head)
                                 : ReadForeignFile(path_, MaxSettingsBytes, ReadPart::Head);
    if (file.outcome == ForeignFile::DanglingLink) {
        // Nothing is made where the link points.
        refuse(name + " could not be read (it is a link to a file that does not exist); "
                      "the usual settings are used.");
        return Settings{};
    }
    if (file.outcome == ForeignFile::Refused) {
        // A device or FIFO in its place is left alone: it is neither read nor replaced.
        refuse(name + " could not be read (" + file.why + "); the usual settings are used.");
        return Settings{};
    }
    if (file.bytes.isEmpty()) {
        missing_ = true;
        notices_.push_back({Notice::Created, path_, name + " not found, new file created"});
        return ParseSettings(DefaultSettingsFile());
    }
    return ParseSettings(file.bytes);
}

bool SettingsFile::create() {
    return std::exchange(missing_, false) && writeBytes(DefaultSettingsFile());
}

bool SettingsFile::save(const Settings& settings) {
    return writeBytes(FormatSettings(settings));
}

bool SettingsFile::writeBytes(const QByteArray& bytes) {
    if (!writable_) return false; // told at start-up
    QString why;
    if (folder_ ? WriteWholeFile(*folder_, path_, bytes, &why) : WriteWholeFile(path_, bytes, &why))
        return true;
    // The previous file, if any, stays as it was.
    refuse(QFileInfo(path_).fileName() + " could not be saved (" + why +
           "); your settings of this session will not be kept.");
    return false;
}

void SettingsFile::refuse(const QString& text) {
    notices_.push_back({Notice::Refused, path_, text});
}

} // namespace zarn
