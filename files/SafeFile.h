#pragma once
// Files read and written whole or not at all.
//
// Reading is for the files the game did not write itself (the artwork, the tiles, the
// settings file, the score file, the help page): whatever lies under the name, a FIFO,
// a device, a link to one, a file of gigabytes, the call returns at once, having read no
// more than the caller's bound. Writing never puts a file in the place of anything but a
// file of the user running the game, and never creates one through a link.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>

namespace zarn {

// A folder opened once: the files in it are found through the open folder, not through
// its name, so a folder renamed or deleted meanwhile, named in bytes that are not text,
// or deeper than any path may reach is still the one that was opened.
class Folder {
public:
    Folder() = default; // no folder: nothing is found in it and nothing written
    // The process's current folder.
    static Folder Current();
    static Folder At(const QString& path);

    // False when there is no folder or it no longer exists; why() says which.
    bool usable() const;
    QString why() const;
    int descriptor() const { return fd_ ? *fd_ : -1; }
    // A path that reaches the files of the open folder (for readers that take a path).
    QString path() const;

private:
    static Folder Opened(int fd, int error);
    std::shared_ptr<const int> fd_;
    QString why_ = QStringLiteral("there is no folder");
};

struct ForeignFile {
    enum Outcome {
        Read,         // bytes hold the file (or its head, see ReadPart)
        Missing,      // nothing to read under the name: no file, or a folder
        Refused,      // something is there but is not read; why says what
        DanglingLink, // a link to nothing: nothing to read, and nothing may be made there
    };
    Outcome outcome = Missing;
    QByteArray bytes;
    QString why; // "it is not a regular file", "it holds more than 65536 bytes", ...
};

enum class ReadPart {
    Whole, // a file of more than maxBytes is refused
    Head,  // a file of more than maxBytes gives its first maxBytes
};

// Reads the file at path when it is a regular file (links followed), at most maxBytes of
// it. It is opened without blocking, so a name that turns into a FIFO on the way cannot
// hold the program up.
ForeignFile ReadForeignFile(const QString& path, qint64 maxBytes, ReadPart part = ReadPart::Whole);
// The same for the file called name in folder.
ForeignFile ReadForeignFile(const Folder& folder, const QString& name, qint64 maxBytes,
                            ReadPart part = ReadPart::Whole);

// A file's bytes in memory of their own, which nothing can change or cut short for as
// long as they are kept.
class SealedBytes {
public:
    SealedBytes(const char* mapped, qsizetype size); // takes over a read-only mapping
    ~SealedBytes();
    SealedBytes(const SealedBytes&) = delete;
    SealedBytes& operator=(const SealedBytes&) = delete;
    QByteArrayView view() const { return {data_, size_}; }

private:
    const char* data_ = nullptr;
    qsizetype size_ = 0;
};

struct SealedFile {
    ForeignFile::Outcome outcome = ForeignFile::Missing;
    std::shared_ptr<const SealedBytes> bytes; // set when read
    QString why;
};

// Reads the whole file at path as ReadForeignFile does, for bytes kept as long as the
// game runs (the card pictures' cache): the kernel copies the file into a sealed memory
// file, mapped read-only, so the game itself writes none of its pages. A page a program
// writes first costs it a fault, which on some virtual machines takes longer than the
// copy. A system without such files refuses every file.
SealedFile ReadSealedFile(const QString& path, qint64 maxBytes);

// Writes bytes to a new file beside the file called name in folder and puts it in the
// place of the old one only when every byte reached the disk. On failure the old file is
// untouched, false is returned and *error (when given) says why. The name must hold
// nothing, or a regular file of the user running the game, or a link of that user to
// such a file (the file it ends in is replaced then, and the link stays). Anything else
// (a device, a FIFO, a folder, a link to nothing, a file or link of another user) is left
// as it is. What is checked is what is replaced: a name swapped for something else
// between the two is put back and refused.
bool WriteWholeFile(const Folder& folder, const QString& name, const QByteArray& bytes,
                    QString* error = nullptr);
// The same for the file at path, its folder opened now.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// A lock on the file called name in folder shared by every copy of the game, taken
// without ever waiting on a file: anything but a regular file under the name (a FIFO, a
// link, a device) is taken away and a new lock file made. Another copy holding it is
// waited for up to waitMilliseconds. Let go, and the lock file removed, on destruction.
class FolderLock {
public:
    FolderLock(const Folder& folder, const QString& name, int waitMilliseconds);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return fd_ >= 0; }
    // Why it is not held; busy() when another copy held it all the time.
    QString why() const { return why_; }
    bool busy() const { return busy_; }

private:
    Folder folder_;
    QByteArray name_;
    int fd_ = -1;
    QString why_;
    bool busy_ = false;
};

} // namespace zarn
