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

Settings SettingsFile::load() {
    lastError_.clear();
    const QString name = QFileInfo(path_).fileName();
    const ForeignFile file = ReadForeignFile(path_, MaxSettingsBytes, ReadPart::Head);
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
    lastError_.clear();
    return writeBytes(FormatSettings(settings));
}

bool SettingsFile::writeBytes(const QByteArray& bytes) {
    QString why;
    if (WriteWholeFile(path_, bytes, &why)) {
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
