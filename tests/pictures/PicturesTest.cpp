// Card size steps, the 76 card pictures at both densities and the background tiles, from the
// working folder's files first and the built-in copies where those are missing or broken.
#include "../support/Files.h"
#include "table/CardMetrics.h"
#include "table/Pictures/ArtFiles.h"
#include "table/Pictures/Background.h"
#include "table/Pictures/CardArtwork.h"
#include "table/Pictures/CardPictures.h"
#include "table/Pictures/CardPicturesJob.h"
#include "table/Pictures/TableFrame.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace zarn {
namespace {

using test::WriteAll;

const QString BuiltIn = QStringLiteral("/nonexistent"); // a folder without art files
const QByteArray BlueCards = "<svg xmlns='http://www.w3.org/2000/svg' width='13836' "
                             "height='1464'><rect width='13836' height='1464' fill='#00f'/></svg>";

GameState StateAt(float scale, SizeOccasion when = SizeOccasion::StartUp) {
    GameState s;
    ApplyCardScale(s, scale, when);
    return s;
}

bool Same(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

TEST(CardPictures, EveryPictureInItsPlaceAtEveryDensity) {
    EXPECT_EQ(IncreasedScale(1.99f), MaxScale);
    EXPECT_EQ(StateAt(0.92f, SizeOccasion::SizeChange).FanStep, 284); // 269 at start-up
    const CardArtwork art(BuiltIn);
    for (qreal dpr : {1.0, 2.0, 1.5}) {
        const CardPictures p = ComposeCardPictures(art, StateAt(0.92f), dpr);
        for (int suit = 0; suit < 4; ++suit) // the reveal pictures are the aces
            EXPECT_TRUE(Same(p.image[13 * suit + 1], p.image[73 + suit])) << suit;
        for (int m = 54; m <= 72; ++m) EXPECT_TRUE(Same(p.image[53], p.image[m])) << m;
        for (int a = 1; a <= 53; ++a) {
            EXPECT_EQ(p.image[a].deviceIndependentSize().toSize(), QSize(65, 90));
            for (int b = a + 1; b <= 53; ++b) EXPECT_FALSE(Same(p.image[a], p.image[b])) << a << b;
        }
        // The opaque area: most of the card, short of its rounded corners and blended edges, of
        // whole logical pixels of opaque device pixels; none at a ratio that is not whole.
        const auto opaque = [&](int picture, int left, int right, int row) {
            const QImage& image = p.image[picture];
            for (int y = int(row * dpr); y < int((row + 1) * dpr); ++y)
                for (int x = int(left * dpr); x < int((right + 1) * dpr); ++x)
                    if (qAlpha(image.pixel(x, y)) != 255) return false;
            return true;
        };
        for (int i = 1; i <= 76; ++i) {
            const QRect a = p.opaque[i];
            if (dpr == 1.5 || (i >= 53 && i <= 72)) { // the markers let the table through
                EXPECT_TRUE(a.isNull()) << i;
                continue;
            }
            EXPECT_TRUE(a.width() >= 58 && a.height() >= 72 && a.right() < 65 && a.bottom() < 90)
                << i << " " << a.x() << " " << a.y() << " " << a.width() << "x" << a.height();
            for (int y = a.top(); y <= a.bottom(); ++y)
                ASSERT_TRUE(opaque(i, a.left(), a.right(), y)) << i << " " << y;
        }
    }
}

TEST(CardPictures, TheWorkingFolderFirstAndBrokenFilesReplacedByTheBuiltInOnes) {
    QTemporaryDir dir;
    WriteAll(dir.filePath("hearts2.svg"), BlueCards);
    QFile spades(BuiltInPath("cards/spades2.svg"));
    ASSERT_TRUE(spades.open(QIODevice::ReadOnly));
    WriteAll(dir.filePath("spades2.svg"), spades.read(300)); // cut short
    WriteAll(dir.filePath("clubs2.svg"), "this is not a picture");
    WriteAll(dir.filePath("backs.svg"), QByteArray(5000, '\0'));
    const CardArtwork art(dir.path());
    for (int strip = 0; strip < 5; ++strip) EXPECT_EQ(art.fromWorkingDirectory(strip), strip == 2);
    const CardPictures mine = ComposeCardPictures(art, StateAt(0.92f), 1);
    EXPECT_EQ(mine.image[30].pixel(30, 45), qRgb(0, 0, 255)); // the four of hearts
    EXPECT_TRUE(Same(mine.image[40],
                     ComposeCardPictures(CardArtwork(BuiltIn), StateAt(0.92f), 1).image[40]));
}

// The pictures of a job on the cache folder, and the strips it drew.
std::pair<CardPictures, std::vector<DrawnStrip>> JobPictures(const QString& progDir,
                                                             const QString& cache, qreal dpr) {
    CardPicturesJob job(progDir, cache);
    job.render(StateAt(0.92f), dpr);
    CardPictures pictures = job.take();
    return {std::move(pictures), job.drawnStrips()};
}

TEST(StripCache, TheNextStartCutsFromTheCacheWhatTheFirstDrewAndOnlyForTheSameArtworkAndSize) {
    QTemporaryDir cache, mine;
    const QString folder = cache.filePath("zarn"); // made by the first write
    for (qreal dpr : {1.0, 2.0}) {
        const CardPictures fresh = ComposeCardPictures(CardArtwork(BuiltIn), StateAt(0.92f), dpr);
        auto [first, drawn] = JobPictures(BuiltIn, folder, dpr);
        ASSERT_EQ(drawn.size(), 5u) << "nothing kept for " << dpr;
        WriteCachedStrips(folder, drawn);
        auto [next, redrawn] = JobPictures(BuiltIn, folder, dpr);
        EXPECT_TRUE(redrawn.empty()) << "all five strips from the cache";
        for (int i = 1; i <= 76; ++i) {
            EXPECT_TRUE(first.image[i] == fresh.image[i]) << i;
            EXPECT_TRUE(next.image[i] == fresh.image[i]) << i;
            EXPECT_EQ(next.image[i].devicePixelRatio(), dpr);
        }
    }
    // A FIFO, a link to /dev/zero and a cut-short file in the cache's place are drawn anew
    // and replaced.
    const auto strip = [&](int i) { return StripCacheFile(folder, i); };
    ASSERT_TRUE(QFile::remove(strip(0)) && QFile::remove(strip(1)));
    ASSERT_EQ(::mkfifo(QFile::encodeName(strip(0)), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", strip(1)) && QFile(strip(2)).resize(1000));
    auto [again, redrawn] = JobPictures(BuiltIn, folder, 2);
    ASSERT_EQ(redrawn.size(), 3u);
    const CardPictures fresh = ComposeCardPictures(CardArtwork(BuiltIn), StateAt(0.92f), 2);
    for (int i = 1; i <= 76; ++i) EXPECT_TRUE(again.image[i] == fresh.image[i]) << i;
    WriteCachedStrips(folder, redrawn);
    EXPECT_TRUE(JobPictures(BuiltIn, folder, 2).second.empty()) << "all five kept again";
    // Other artwork: the hearts in the working folder are drawn, the rest come from the cache.
    WriteAll(mine.filePath("hearts2.svg"), BlueCards);
    auto [blue, drawn] = JobPictures(mine.path(), folder, 2); // the size kept last
    EXPECT_EQ(blue.image[30].pixel(30, 45), qRgb(0, 0, 255)); // the four of hearts
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].strip, 2);
}

// A frame drawn in pieces looks as if drawn whole, over a table of every colour, at every
// density and place, bare and with a face: no colour differs by more than the rounding of
// laying its lines over the table in another order.
TEST(TableFrame, DrawnInPiecesAsIfDrawnWhole) {
    for (qreal dpr : {1.0, 1.5, 2.0})
        for (qreal offset : {0.0, 0.3})
            for (QColor face : {QColor(Qt::transparent), QColor(255, 255, 255, 200)}) {
                SCOPED_TRACE(testing::Message() << dpr << " " << offset << " " << face.alpha());
                QImage table(QSize(200, 150) * dpr, QImage::Format_RGB32);
                for (int y = 0; y < table.height(); ++y)
                    for (int x = 0; x < table.width(); ++x)
                        table.setPixel(x, y, qRgb(x * 7, y * 13, x + y));
                table.setDevicePixelRatio(dpr);
                const auto framed = [&](auto paint) {
                    QImage out = table;
                    QPainter painter(&out);
                    paint(painter, QRectF(10 + offset, 9 + offset, 171.3, 121.7), 1.6 + offset,
                          face);
                    painter.end();
                    return out;
                };
                const QImage pieces = framed(PaintTableFrame), whole = framed(PaintTableFrameWhole);
                int most = 0;
                for (int y = 0; y < table.height(); ++y)
                    for (int x = 0; x < table.width(); ++x)
                        for (int shift : {0, 8, 16})
                            most = std::max(most, std::abs(int(pieces.pixel(x, y) >> shift & 255) -
                                                           int(whole.pixel(x, y) >> shift & 255)));
                EXPECT_LE(most, 2);
                EXPECT_NE(pieces, table);
            }
}

TEST(Background, TilesCoverTheWindowBothBoundsInclusiveFromTheRightFile) {
    const QImage tile = LoadTile(5, BuiltIn).convertToFormat(QImage::Format_RGB32);
    const QImage bg = ApplyBackground(5, 15000, 10500, 15, 15, BuiltIn, 2.0); // 1000 x 700 px
    EXPECT_EQ(bg.deviceIndependentSize().toSize(), QSize(1024, 768));
    const QImage one = bg.scaled(1024, 768); // each tile pixel is a 2 x 2 square
    for (int k = 0; k < 8 * 6; ++k)
        EXPECT_TRUE(Same(one.copy(k % 8 * 128, k / 8 * 128, 128, 128), tile));
    QTemporaryDir dir;
    QImage red(128, 128, QImage::Format_RGB32);
    red.fill(qRgb(200, 0, 0));
    ASSERT_TRUE(red.save(dir.filePath("sky.bmp")));
    WriteAll(dir.filePath("snow.bmp"), "BM and nothing else");
    EXPECT_EQ(LoadTile(14, dir.path()).pixel(9, 9), qRgb(200, 0, 0));
    EXPECT_TRUE(Same(LoadTile(16, dir.path()), LoadTile(16, BuiltIn)));
    EXPECT_EQ(ApplyBackground(0, 99, 99, 15, 15, BuiltIn, 1).pixel(9, 9), qRgb(192, 192, 192));
}

} // namespace
} // namespace zarn
