#include "files/SafeFile.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarn {
namespace {

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

const QString NotRegular = QStringLiteral("it is not a regular file");

} // namespace

ForeignFile ReadForeignFile(const QString& path, qint64 maxBytes, ReadPart part) {
    ForeignFile out;
    auto refuse = [&out](const QString& why) {
        out.outcome = ForeignFile::Refused;
        out.why = why;
        return out;
    };
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? out : refuse(SystemReason(errno));
    if (S_ISDIR(info.st_mode)) return out;
    // Checked before opening: opening a device may already do something.
    if (!S_ISREG(info.st_mode)) return refuse(NotRegular);
    const QString tooLarge = QStringLiteral("it holds more than %1 bytes").arg(maxBytes);
    if (part == ReadPart::Whole && info.st_size > maxBytes) return refuse(tooLarge);

    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return refuse(SystemReason(errno));
    // The name may have been given to something else since it was looked at.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return refuse(NotRegular);
    }
    // One byte more than allowed tells a file larger than the bound.
    QByteArray bytes(std::min<qint64>(info.st_size, maxBytes) + 1, Qt::Uninitialized);
    qint64 got = 0;
    while (got <= maxBytes) {
        if (got == bytes.size()) bytes.resize(std::min(2 * got, maxBytes + 1));
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return refuse(SystemReason(error));
        }
        if (n == 0) break;
        got += n;
    }
    ::close(fd);
    if (got > maxBytes && part == ReadPart::Whole) return refuse(tooLarge);
    bytes.truncate(std::min(got, maxBytes));
    out.outcome = ForeignFile::Read;
    out.bytes = std::move(bytes);
    return out;
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
    // QSaveFile follows links and renames its new file over whatever they end in.
    struct stat info {};
    const bool exists = ::stat(QFile::encodeName(path).constData(), &info) == 0;
    if (!exists && errno != ENOENT) {
        if (error) *error = SystemReason(errno);
        return false;
    }
    if (exists && !S_ISREG(info.st_mode)) {
        if (error) *error = NotRegular;
        return false;
    }
    QSaveFile file(path);
    auto fail = [&] {
        if (error) *error = file.errorString();
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly)) return fail();
    // A full disk only shows when the buffered bytes are pushed out. commit() would not
    // notice it and would put an empty file in the place of the old one, so the bytes
    // are flushed, and checked, first.
    if (file.write(bytes) != bytes.size() || !file.flush()) return fail();
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace zarn
