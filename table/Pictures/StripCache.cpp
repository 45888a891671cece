#include "table/Pictures/StripCache.h"

#include "files/SafeFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <malloc.h>

namespace zarn {
namespace {

// A kept strip: the magic, the key, then the strip's rows of premultiplied ARGB pixels,
// in the machine's byte order, without padding.
constexpr char Magic[8] = {'Z', 'A', 'R', 'N', 'S', 'T', 'R', '2'};
constexpr qsizetype KeyBytes = 32; // SHA-256
constexpr qsizetype HeaderBytes = sizeof Magic + KeyBytes;

qint64 FileBytes(QSize size) {
    return HeaderBytes + 4 * qint64(size.width()) * size.height();
}

// The name `path` for a file or folder of the cache: anything else there (a FIFO, a
// link, a file in the place of a folder) is removed, never what a link points to.
void ClearFor(const QString& path, bool folder) {
    const QFileInfo entry(path);
    const bool usable = folder ? entry.isDir() : entry.isFile() && !entry.isSymLink();
    if (!usable && (entry.exists() || entry.isSymLink()) && !entry.isDir()) QFile::remove(path);
}

} // namespace

QString StripCacheFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

QString StripCacheFile(const QString& folder, int strip) {
    return QDir(folder).filePath(QStringLiteral("strip%1.bin").arg(strip));
}

QByteArray StripKey(QByteArrayView artwork, int strip, const StripLayout& l) {
    // The numbers in the machine's own form, as the pixels are.
    const double numbers[] = {double(QSysInfo::ByteOrder),
                              double(strip),
                              l.geometry.cell,
                              double(l.geometry.width),
                              double(l.geometry.height),
                              l.heightPx,
                              double(l.deviceWidth),
                              double(l.stripWidth),
                              l.dpr};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView(Magic, sizeof Magic));
    hash.addData(QByteArrayView(qVersion(), qstrlen(qVersion()) + 1));
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(numbers), sizeof numbers));
    hash.addData(artwork);
    return hash.result();
}

QImage ReadCachedStrip(const QString& folder, int strip, const QByteArray& key,
                       const StripLayout& l) {
    if (folder.isEmpty()) return {};
    const QSize size = StripSize(strip, l);
    const qint64 length = FileBytes(size);
    const SealedFile file = ReadSealedFile(StripCacheFile(folder, strip), length);
    if (file.outcome != ForeignFile::Read) return {};
    const QByteArrayView bytes = file.bytes->view();
    if (bytes.size() != length || !bytes.startsWith(QByteArrayView(Magic, sizeof Magic)) ||
        bytes.sliced(sizeof Magic, KeyBytes) != key)
        return {};
    // The pixels stay where the file's bytes are, for as long as an image shows them.
    auto* kept = new std::shared_ptr<const SealedBytes>(file.bytes);
    const auto* pixels = reinterpret_cast<const uchar*>(bytes.data() + HeaderBytes);
    // The mapping starts on a page, so the pixels lie on 32-bit boundaries, as an image's must.
    return QImage(
        pixels, size.width(), size.height(), 4 * size.width(), QImage::Format_ARGB32_Premultiplied,
        [](void* held) { delete static_cast<std::shared_ptr<const SealedBytes>*>(held); }, kept);
}

void WriteCachedStrips(const QString& folder, const std::vector<DrawnStrip>& strips) {
    if (folder.isEmpty() || strips.empty()) return;
    ClearFor(folder, true);
    if (!QDir().mkpath(folder)) return;
    for (const DrawnStrip& drawn : strips) {
        const QImage image = drawn.image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QByteArray bytes;
        bytes.reserve(FileBytes(image.size()));
        bytes.append(Magic, sizeof Magic).append(drawn.key);
        for (int y = 0; y < image.height(); ++y)
            bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), 4 * image.width());
        const QString file = StripCacheFile(folder, drawn.strip);
        ClearFor(file, false);
        WriteWholeFile(file, bytes);
    }
}

std::future<void> WriteCachedStripsLater(const QString& folder, std::vector<DrawnStrip> strips) {
    if (strips.empty()) return {};
    return std::async(std::launch::async, [folder, strips = std::move(strips)] {
        WriteCachedStrips(folder, strips);
        // The drawing's scratch memory, freed on the workers' heaps, goes back to the
        // system rather than staying with the game for the rest of its run.
        malloc_trim(0);
    });
}

} // namespace zarn
