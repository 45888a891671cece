#include "table/Pictures/PrerenderedStrips.h"

#include "table/CardMetrics.h"

#include <QResource>
#include <cstring>
#include <optional>

namespace zarn {
namespace {

// Where the build puts the strips (tools/prerender), stored without compression so that
// they are used in place.
constexpr const char* ResourcePath = ":/zarn/prerendered/strips.bin";
constexpr char Magic[8] = {'Z', 'A', 'R', 'N', 'S', 'T', 'R', '1'};

template <typename T> void Put(QByteArray& out, T value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// Reads the file laid out by FormatPrerenderedStrips.
struct Reader {
    QByteArrayView bytes;
    qsizetype at = 0;
    template <typename T> std::optional<T> get() {
        if (at + qsizetype(sizeof(T)) > bytes.size()) return std::nullopt;
        T value;
        std::memcpy(&value, bytes.data() + at, sizeof value);
        at += sizeof value;
        return value;
    }
};

struct Carried {
    StripLayout layout{};
    std::array<QImage, ArtworkStripCount> strips;
};

std::optional<Carried> Read(QByteArrayView bytes) {
    Reader r{bytes};
    if (bytes.size() < qsizetype(sizeof Magic) || std::memcmp(bytes.data(), Magic, sizeof Magic))
        return std::nullopt;
    r.at = sizeof Magic;
    Carried c;
    const auto cell = r.get<float>(), heightPx = r.get<float>();
    const auto width = r.get<qint32>(), height = r.get<qint32>(), deviceWidth = r.get<qint32>(),
               stripWidth = r.get<qint32>();
    const auto dpr = r.get<double>();
    if (!cell || !heightPx || !width || !height || !deviceWidth || !stripWidth || !dpr)
        return std::nullopt;
    c.layout = {{*cell, *width, *height}, *heightPx, *deviceWidth, *stripWidth, *dpr};
    for (QImage& strip : c.strips) {
        const auto w = r.get<qint32>(), h = r.get<qint32>(), line = r.get<qint32>();
        if (!w || !h || !line || *w <= 0 || *h <= 0 || *line < 4 * *w) return std::nullopt;
        const qsizetype size = qsizetype(*line) * *h;
        if (r.at + size > bytes.size()) return std::nullopt;
        const auto* bits = reinterpret_cast<const uchar*>(bytes.data() + r.at);
        strip = QImage(bits, *w, *h, *line, QImage::Format_ARGB32_Premultiplied);
        // Pixels must lie on 32-bit boundaries to be used in place.
        if (reinterpret_cast<quintptr>(bits) % 4) strip = strip.copy();
        r.at += size;
    }
    return c;
}

const std::optional<Carried>& CarriedStrips() {
    static const std::optional<Carried> carried = [] {
        const QResource resource(QString::fromLatin1(ResourcePath));
        return resource.isValid() ? Read(resource.uncompressedData()) : std::nullopt;
    }();
    return carried;
}

} // namespace

QImage PrerenderedStrip(int strip, const StripLayout& layout) {
    const std::optional<Carried>& carried = CarriedStrips();
    if (!carried || !(carried->layout == layout)) return {};
    return carried->strips[strip];
}

StripLayout PrerenderedLayout() {
    GameState s;
    s.TwipsPerPixelX = 1440.0f / 96.0f;
    ApplyCardScale(s, DefaultScale, SizeOccasion::StartUp);
    return StripLayoutFor(s, 1.0);
}

QByteArray FormatPrerenderedStrips(const std::array<QImage, ArtworkStripCount>& strips,
                                   const StripLayout& l) {
    QByteArray out(Magic, sizeof Magic);
    Put(out, l.geometry.cell);
    Put(out, l.heightPx);
    Put(out, qint32(l.geometry.width));
    Put(out, qint32(l.geometry.height));
    Put(out, qint32(l.deviceWidth));
    Put(out, qint32(l.stripWidth));
    Put(out, l.dpr);
    for (const QImage& strip : strips) {
        const QImage image = strip.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        Put(out, qint32(image.width()));
        Put(out, qint32(image.height()));
        Put(out, qint32(image.bytesPerLine()));
        out.append(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    }
    return out;
}

} // namespace zarn
