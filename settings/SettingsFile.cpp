#include "settings/SettingsFile.h"

#include "files/SafeFile.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <utility>

namespace zarn {

void ShowSettingsNoticeBox(SettingsNotice kind, const QString& text) {
    const QMessageBox::Icon icon =
        kind == SettingsNotice::Created ? QMessageBox::NoIcon : QMessageBox::Warning;
    QMessageBox box(icon, QStringLiteral("ZARN"), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

SettingsFile::SettingsFile(QString path, SettingsNoticeFn notice)
    : path_(std::move(path)), notice_(std::move(notice)) {}

SettingsFile::SettingsFile(Folder folder, SettingsNoticeFn notice)
    : path_(QString::fromLatin1(SettingsFileName)), folder_(std::move(folder)),
      notice_(std::move(notice)) {}

Settings SettingsFile::load() {
    lastError_.clear();
    const QString name = QFileInfo(path_).fileName();
    if (folder_ && !folder_->usable()) {
        writable_ = false;
        announceFailure(SettingsNotice::ReadFailed,
                        name +
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
        announceFailure(SettingsNotice::ReadFailed,
                        name + " could not be read (it is a link to a file that does not exist); "
                               "the usual settings are used.");
        return Settings{};
    }
    if (file.outcome == ForeignFile::Refused) {
        // A device or FIFO in its place is left alone: it is neither read nor replaced.
        announceFailure(SettingsNotice::ReadFailed, name + " could not be read (" + file.why +
                                                        "); the usual settings are used.");
        return Settings{};
    }
    if (file.bytes.isEmpty()) {
        if (notice_) notice_(SettingsNotice::Created, name + " not found, new file created");
        writeBytes(DefaultSettingsFile());
        return ParseSettings(DefaultSettingsFile());
    }
    return ParseSettings(file.bytes);
}

bool SettingsFile::save(const Settings& settings) {
    if (writable_) lastError_.clear();
    return writeBytes(FormatSettings(settings));
}

bool SettingsFile::writeBytes(const QByteArray& bytes) {
    if (!writable_) return false; // told at start-up
    QString why;
    if (folder_ ? WriteWholeFile(*folder_, path_, bytes, &why)
                : WriteWholeFile(path_, bytes, &why)) {
        failureAnnounced_ = false;
        return true;
    }
    // The previous file, if any, stays as it was.
    announceFailure(SettingsNotice::WriteFailed,
                    QFileInfo(path_).fileName() + " could not be saved (" + why +
                        "); your settings of this session will not be kept.");
    return false;
}

void SettingsFile::announceFailure(SettingsNotice kind, const QString& what) {
    lastError_ = what;
    if (failureAnnounced_) return;
    failureAnnounced_ = true;
    if (notice_) notice_(kind, what);
}

} // namespace zarn
