#include "files/SafeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarn {
namespace {

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

const QString NotRegular = QStringLiteral("it is not a regular file");
const QString Dangling = QStringLiteral("it is a link to a file that does not exist");
const QString Changed = QStringLiteral("it was changed by someone else while being saved");

QString TooLarge(qint64 maxBytes) {
    return QStringLiteral("it holds more than %1 bytes").arg(maxBytes);
}

std::shared_ptr<const int> Adopt(int fd) {
    return std::shared_ptr<const int>(new int(fd), [](const int* p) {
        ::close(*p);
        delete p;
    });
}

// A file system that cannot exchange two names, or refuse to replace one.
bool Unsupported(int error) {
    return error == EINVAL || error == ENOSYS;
}

bool Same(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Opens the file under name when it is a regular file (links followed) of at most
// maxBytes, or of any size when only its head is read: the descriptor, or -1 with out
// saying why not; its size in *size (when given).
int OpenForeign(int dir, const QByteArray& name, qint64 maxBytes, ReadPart part, ForeignFile& out,
                qint64* size) {
    auto refuse = [&out](const QString& why) {
        out.outcome = ForeignFile::Refused;
        out.why = why;
        return -1;
    };
    struct stat info {};
    if (::fstatat(dir, name.constData(), &info, 0) != 0) {
        const int error = errno;
        struct stat link {};
        if (error == ENOENT && ::fstatat(dir, name.constData(), &link, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(link.st_mode))
            out.outcome = ForeignFile::DanglingLink;
        return error == ENOENT || error == ENOTDIR ? -1 : refuse(SystemReason(error));
    }
    if (S_ISDIR(info.st_mode)) return -1;
    // Checked before opening: opening a device may already do something.
    if (!S_ISREG(info.st_mode)) return refuse(NotRegular);
    if (part == ReadPart::Whole && info.st_size > maxBytes) return refuse(TooLarge(maxBytes));

    const int fd = ::openat(dir, name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return refuse(SystemReason(errno));
    // The name may have been given to something else since it was looked at.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return refuse(NotRegular);
    }
    if (size) *size = info.st_size;
    return fd;
}

ForeignFile ReadAt(int dir, const QByteArray& name, qint64 maxBytes, ReadPart part) {
    ForeignFile out;
    qint64 size = 0;
    const int fd = OpenForeign(dir, name, maxBytes, part, out, &size);
    if (fd < 0) return out;
    out.outcome = ForeignFile::Refused;
    // One byte more than allowed tells a file larger than the bound.
    QByteArray bytes(std::min(size, maxBytes) + 1, Qt::Uninitialized);
    qint64 got = 0;
    while (got <= maxBytes) {
        if (got == bytes.size()) bytes.resize(std::min(2 * got, maxBytes + 1));
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            out.why = SystemReason(errno);
            ::close(fd);
            return out;
        }
        if (n == 0) break;
        got += n;
    }
    ::close(fd);
    if (got > maxBytes && part == ReadPart::Whole) {
        out.why = TooLarge(maxBytes);
        return out;
    }
    bytes.truncate(std::min(got, maxBytes));
    out.outcome = ForeignFile::Read;
    out.bytes = std::move(bytes);
    return out;
}

// The open file copied by the kernel into a new memory file (and closed), at most
// maxBytes of it, the copy sealed and mapped read-only; null, with out saying why, when
// it is not.
std::shared_ptr<const SealedBytes> CopyToSealedMemory(int fd, qint64 maxBytes, ForeignFile& out) {
    out.outcome = ForeignFile::Refused;
    const int memory = ::memfd_create("zarn", MFD_CLOEXEC | MFD_ALLOW_SEALING);
    qint64 got = 0;
    while (memory >= 0 && got <= maxBytes) {
        const ssize_t n = ::sendfile(memory, fd, nullptr, size_t(maxBytes + 1 - got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) out.outcome = ForeignFile::Read;
            break;
        }
        got += n;
    }
    out.why = out.outcome == ForeignFile::Read ? QString() : SystemReason(errno);
    ::close(fd);
    std::shared_ptr<const SealedBytes> bytes;
    if (got > maxBytes) {
        out.outcome = ForeignFile::Refused;
        out.why = TooLarge(maxBytes);
    } else if (out.outcome == ForeignFile::Read) {
        ::fcntl(memory, F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_WRITE | F_SEAL_SEAL);
        void* mapped = got == 0 ? nullptr
                                : ::mmap(nullptr, size_t(got), PROT_READ, MAP_SHARED | MAP_POPULATE,
                                         memory, 0);
        if (mapped == MAP_FAILED) {
            out.outcome = ForeignFile::Refused;
            out.why = SystemReason(errno);
        } else {
            bytes = std::make_shared<const SealedBytes>(static_cast<const char*>(mapped), got);
        }
    }
    if (memory >= 0) ::close(memory);
    return bytes;
}

// Where a write goes: the name in its folder, and what was found there.
struct Target {
    int dir = -1;
    std::shared_ptr<const int> ownDir; // the folder of a linked file, opened here
    QByteArray name;
    bool exists = false;
    struct stat info {};
};

// The place of a write of name in dir, or nothing, with *why, when it may not be written.
std::optional<Target> Resolve(int dir, const QByteArray& name, QString* why) {
    Target t{dir, {}, name};
    struct stat entry {};
    if (::fstatat(dir, name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT) return t;
        *why = SystemReason(errno);
        return std::nullopt;
    }
    const uid_t me = ::geteuid();
    auto refuse = [why](const char* text) {
        *why = QString::fromLatin1(text);
        return std::nullopt;
    };
    if (!S_ISLNK(entry.st_mode)) {
        if (!S_ISREG(entry.st_mode)) return refuse("it is not a regular file");
        if (entry.st_uid != me) return refuse("it belongs to another user");
        t.exists = true;
        t.info = entry;
        return t;
    }
    // A link: written through only when it and its file are the user's own.
    if (entry.st_uid != me) return refuse("it is a link of another user");
    const int fd = ::openat(dir, name.constData(), O_PATH | O_CLOEXEC);
    if (fd < 0) {
        *why = errno == ENOENT ? Dangling : SystemReason(errno);
        return std::nullopt;
    }
    struct stat file {};
    const bool known = ::fstat(fd, &file) == 0;
    char where[PATH_MAX];
    const ssize_t n = ::readlink(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(),
                                 where, sizeof where);
    ::close(fd);
    if (!known || !S_ISREG(file.st_mode))
        return refuse("it is a link to something that is not a regular file");
    if (file.st_uid != me) return refuse("it is a link to a file of another user");
    const QByteArray path(where, n > 0 ? n : 0);
    const qsizetype slash = path.lastIndexOf('/');
    if (n <= 0 || n == qsizetype(sizeof where) || slash < 0)
        return refuse("the file it links to cannot be found");
    const int parent =
        ::open(slash == 0 ? "/" : path.left(slash).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (parent < 0) return refuse("the file it links to cannot be found");
    t.ownDir = Adopt(parent);
    t.dir = parent;
    t.name = path.mid(slash + 1);
    // The same file must be found under its own name.
    if (::fstatat(parent, t.name.constData(), &t.info, AT_SYMLINK_NOFOLLOW) != 0 ||
        !Same(t.info, file)) {
        *why = Changed;
        return std::nullopt;
    }
    t.exists = true;
    return t;
}

// Writes the bytes to a new file beside the target and puts it in the target's place,
// in one step that replaces only what was looked at.
bool Place(const Target& t, const QByteArray& bytes, QString* why) {
    QByteArray temp;
    int fd = -1;
    for (int i = 0; i < 100 && fd < 0; ++i) {
        temp = '.' + t.name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::openat(t.dir, temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                      0666);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        *why = SystemReason(errno);
        return false;
    }
    auto drop = [&](const QString& reason) {
        if (fd >= 0) ::close(fd);
        ::unlinkat(t.dir, temp.constData(), 0);
        *why = reason;
        return false;
    };
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return drop(SystemReason(errno));
        done += n;
    }
    if (t.exists) ::fchmod(fd, t.info.st_mode & 07777);
    // A full disk may only show when the bytes are pushed out.
    if (::fsync(fd) != 0) return drop(SystemReason(errno));
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0) return drop(SystemReason(errno));

    const char* from = temp.constData();
    const char* to = t.name.constData();
    if (!t.exists) {
        // A new file never takes the place of something that came meanwhile.
        if (::renameat2(t.dir, from, t.dir, to, RENAME_NOREPLACE) == 0) return true;
        if (errno == EEXIST) return drop(Changed);
        if (!Unsupported(errno)) return drop(SystemReason(errno));
        struct stat now {}; // a file system that cannot be asked so: looked at once more
        if (::fstatat(t.dir, to, &now, AT_SYMLINK_NOFOLLOW) == 0) return drop(Changed);
    } else if (::renameat2(t.dir, from, t.dir, to, RENAME_EXCHANGE) == 0) {
        // The old file now lies under the new one's name: it must be the one looked at.
        struct stat old {};
        if (::fstatat(t.dir, from, &old, AT_SYMLINK_NOFOLLOW) == 0 && Same(old, t.info)) {
            ::unlinkat(t.dir, from, 0);
            return true;
        }
        ::renameat2(t.dir, from, t.dir, to, RENAME_EXCHANGE); // put back what came meanwhile
        return drop(Changed);
    } else {
        const int error = errno;
        if (!Unsupported(error)) return drop(SystemReason(error));
        struct stat now {};
        if (::fstatat(t.dir, to, &now, AT_SYMLINK_NOFOLLOW) != 0 || !Same(now, t.info))
            return drop(Changed);
    }
    if (::renameat(t.dir, from, t.dir, to) != 0) return drop(SystemReason(errno));
    return true;
}

} // namespace

Folder Folder::Opened(int fd, int error) {
    Folder folder;
    if (fd < 0) {
        folder.why_ = SystemReason(error);
        return folder;
    }
    folder.fd_ = Adopt(fd);
    folder.why_.clear();
    return folder;
}

Folder Folder::Current() {
    const int fd = ::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    return Opened(fd, errno);
}

Folder Folder::At(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return Opened(fd, errno);
}

bool Folder::usable() const {
    struct stat info {};
    return fd_ && ::fstat(*fd_, &info) == 0 && info.st_nlink > 0;
}

QString Folder::why() const {
    if (!fd_ || usable()) return why_;
    return QStringLiteral("it no longer exists");
}

QString Folder::path() const {
    // The system's name of the open folder; under a file nothing can be found.
    return fd_ ? QStringLiteral("/proc/self/fd/%1/").arg(*fd_) : QStringLiteral("/dev/null/");
}

ForeignFile ReadForeignFile(const QString& path, qint64 maxBytes, ReadPart part) {
    return ReadAt(AT_FDCWD, QFile::encodeName(path), maxBytes, part);
}

ForeignFile ReadForeignFile(const Folder& folder, const QString& name, qint64 maxBytes,
                            ReadPart part) {
    if (!folder.usable()) return {};
    return ReadAt(folder.descriptor(), QFile::encodeName(name), maxBytes, part);
}

SealedBytes::SealedBytes(const char* mapped, qsizetype size) : data_(mapped), size_(size) {}

SealedBytes::~SealedBytes() {
    if (data_) ::munmap(const_cast<char*>(data_), size_t(size_));
}

SealedFile ReadSealedFile(const QString& path, qint64 maxBytes) {
    ForeignFile out;
    SealedFile sealed;
    const int fd =
        OpenForeign(AT_FDCWD, QFile::encodeName(path), maxBytes, ReadPart::Whole, out, nullptr);
    if (fd >= 0) sealed.bytes = CopyToSealedMemory(fd, maxBytes, out);
    sealed.outcome = out.outcome;
    sealed.why = out.why;
    return sealed;
}

bool WriteWholeFile(const Folder& folder, const QString& name, const QByteArray& bytes,
                    QString* error) {
    QString why = folder.why();
    // A name taken over by another copy between the look and the write is looked at again.
    for (int attempt = 0; folder.usable() && attempt < 3; ++attempt) {
        why.clear();
        const std::optional<Target> t = Resolve(folder.descriptor(), QFile::encodeName(name), &why);
        if (t && Place(*t, bytes, &why)) return true;
        if (why != Changed) break;
    }
    if (error) *error = why;
    return false;
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error) {
    const QFileInfo file(path);
    return WriteWholeFile(Folder::At(file.path()), file.fileName(), bytes, error);
}

FolderLock::FolderLock(const Folder& folder, const QString& name, int waitMilliseconds)
    : folder_(folder), name_(QFile::encodeName(name)) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point until = Clock::now() + std::chrono::milliseconds(waitMilliseconds);
    const int dir = folder.descriptor();
    const char* lockName = name_.constData();
    int cleared = 0;
    while (folder.usable()) {
        const int fd =
            ::openat(dir, lockName,
                     O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
        const int openError = errno;
        struct stat opened {
        }, named{};
        if (fd < 0 || ::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
            if (fd >= 0) ::close(fd);
            // Not a lock file of the game (a FIFO, a link, a device): it is taken away.
            if (cleared++ < 3 && ::fstatat(dir, lockName, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
                !S_ISREG(named.st_mode) && !S_ISDIR(named.st_mode) &&
                ::unlinkat(dir, lockName, 0) == 0)
                continue;
            why_ = fd < 0 ? SystemReason(openError) : NotRegular;
            return;
        }
        const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        const int lockError = errno;
        // Another copy may have removed the file when it let go: only the file under the
        // name is the lock.
        if (locked && ::fstatat(dir, lockName, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
            Same(named, opened)) {
            fd_ = fd;
            return;
        }
        ::close(fd);
        if (!locked && lockError != EWOULDBLOCK) {
            why_ = SystemReason(lockError);
            return;
        }
        if (Clock::now() >= until) {
            busy_ = true;
            why_ = QStringLiteral("another copy of the game holds it");
            return;
        }
        if (!locked) QThread::msleep(10);
    }
    why_ = folder.why();
}

FolderLock::~FolderLock() {
    if (fd_ < 0) return;
    struct stat opened {
    }, named{};
    if (::fstat(fd_, &opened) == 0 &&
        ::fstatat(folder_.descriptor(), name_.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        Same(opened, named))
        ::unlinkat(folder_.descriptor(), name_.constData(), 0);
    ::close(fd_);
}

} // namespace zarn
