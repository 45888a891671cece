#include "table/Pictures/Background.h"

#include "PictureTestUtil.h"

#include <QProcess>
#include <cmath>
#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::testing;

TEST(ApplyBackground, TilesAreCopiedOverTheWholeWindowBothBoundsInclusive) {
    // 1,000 by 700 pixels at 15 twips per pixel: C = 7, R = 5.
    const TileGrid grid = TileGridFor(15000, 10500, 15, 15);
    EXPECT_EQ(grid.columns, 7);
    EXPECT_EQ(grid.rows, 5);
    const QImage tile = LoadTile(5, "/nonexistent").convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(tile.size(), QSize(128, 128));
    const QImage bg = ApplyBackground(5, 15000, 10500, 15, 15, "/nonexistent", 1.0);
    ASSERT_EQ(bg.size(), QSize(1024, 768));
    for (int j = 0; j <= 5; ++j)
        for (int i = 0; i <= 7; ++i)
            EXPECT_TRUE(SamePixels(bg.copy(128 * i, 128 * j, 128, 128), tile)) << i << "," << j;

    const QImage hi = ApplyBackground(5, 15000, 10500, 15, 15, "/nonexistent", 2.0);
    EXPECT_EQ(hi.size(), QSize(2048, 1536));
    EXPECT_EQ(hi.deviceIndependentSize().toSize(), QSize(1024, 768));
    EXPECT_EQ(hi.pixel(2 * 130 + 1, 2 * 7), tile.pixel(2, 7));

    const QImage plain = ApplyBackground(0, 15000, 10500, 15, 15, "/nonexistent", 1.0);
    EXPECT_EQ(plain.pixel(0, 0), qRgb(192, 192, 192));
    EXPECT_EQ(plain.pixel(1023, 767), qRgb(192, 192, 192));
    EXPECT_EQ(ApplyBackground(18, 15000, 10500, 15, 15, "", 1.0).pixel(5, 5), qRgb(192, 192, 192));
}

TEST(ApplyBackground, WorkingDirectoryTileFirstBrokenTileFallsBack) {
    QTemporaryDir dir;
    QImage red(128, 128, QImage::Format_RGB32);
    red.fill(qRgb(200, 0, 0));
    ASSERT_TRUE(red.save(dir.filePath("sky.bmp")));
    WriteFile(dir.filePath("snow.bmp"), "not a bitmap");
    EXPECT_EQ(ApplyBackground(14, 3000, 3000, 15, 15, dir.path(), 1).pixel(200, 100),
              qRgb(200, 0, 0));
    const QImage snow = ApplyBackground(16, 3000, 3000, 15, 15, dir.path(), 1);
    EXPECT_TRUE(SamePixels(snow.copy(0, 0, 128, 128),
                           LoadTile(16, "/nonexistent").convertToFormat(QImage::Format_RGB32)));
}

namespace {

// Mean colour step between horizontally neighbouring pixels x and x + 1 (mod 128).
double StepAcross(const QImage& t, int x, bool vertical) {
    double sum = 0;
    for (int k = 0; k < 128; ++k) {
        const QRgb a = vertical ? t.pixel(k, x) : t.pixel(x, k);
        const QRgb b = vertical ? t.pixel(k, (x + 1) % 128) : t.pixel((x + 1) % 128, k);
        sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
    }
    return sum / 128;
}

} // namespace

// A seam shows when the step across the wrap-around edge stands out from the texture's own
// steps. So the mean step across the edge (column 127 to 0, row 127 to 0) must not exceed
// the mean step between neighbouring columns (rows) inside the tile by more than a quarter,
// plus one level for rounding.
TEST(Tiles, EveryTileIs128SquareAndSeamless) {
    for (int i = 1; i <= 17; ++i) {
        const QImage t = LoadTile(i, "/nonexistent");
        ASSERT_EQ(t.size(), QSize(128, 128)) << BackgroundNames[i];
        EXPECT_EQ(t.depth(), 32);
        for (bool vertical : {false, true}) {
            double inside = 0;
            for (int x = 0; x < 127; ++x) inside += StepAcross(t, x, vertical);
            inside /= 127;
            EXPECT_LE(StepAcross(t, 127, vertical), 1.25 * inside + 1)
                << BackgroundNames[i] << (vertical ? " top/bottom" : " left/right");
        }
    }
}

namespace {

void ExpectSameFiles(const QString& generated, const QString& committed, const QStringList& names) {
    for (const QString& name : names) {
        QFile a(generated + "/" + name), b(committed + "/" + name);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly)) << name.toStdString();
        ASSERT_TRUE(b.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_TRUE(a.readAll() == b.readAll()) << name.toStdString() << " differs; regenerate";
    }
}

} // namespace

TEST(Generators, CommittedArtworkAndTilesAreTheGeneratorsOutput) {
    QTemporaryDir out;
    ASSERT_EQ(QProcess::execute(ZARN_GEN_ARTWORK, {out.path()}), 0);
    ASSERT_EQ(QProcess::execute(ZARN_GEN_TILES, {out.path()}), 0);
    ExpectSameFiles(out.path(), ZARN_SOURCE_DIR "/assets/cards",
                    {"clubs2.svg", "diamond2.svg", "hearts2.svg", "spades2.svg", "backs.svg"});
    QStringList tiles;
    for (int i = 1; i <= 17; ++i) tiles << QString(BackgroundNames[i]) + ".bmp";
    ExpectSameFiles(out.path(), ZARN_SOURCE_DIR "/assets/tiles", tiles);
}

TEST(ContactSheet, WritesTheSeventySixPicturesOnTheBackground) {
    QTemporaryDir out;
    const QString png = out.filePath("sheet.png");
    QProcess p;
    p.setWorkingDirectory(out.path());
    p.start(ZARN_CARDS, {"--scale", "0.92", "--dpr", "2", "--background", "5", png});
    ASSERT_TRUE(p.waitForFinished(30000));
    ASSERT_EQ(p.exitCode(), 0);
    const QImage sheet(png);
    // 13 columns and 6 rows of 65 x 90 pictures, 8 pixels apart, 12 pixels of margin.
    EXPECT_EQ(sheet.size(), QSize(2 * (24 + 13 * 65 + 12 * 8), 2 * (24 + 6 * 90 + 5 * 8)));
    const QImage felt = LoadTile(5, "/nonexistent");
    EXPECT_EQ(sheet.pixel(2, 2), felt.pixel(1, 1));
    EXPECT_EQ(QProcess::execute(ZARN_CARDS, {"--scale", "7", png}), 2);
}
