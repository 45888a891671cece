#include "PictureTestUtil.h"
#include "game/Cards.h"
#include "table/Pictures/CardPictures.h"

#include <QPainter>
#include <gtest/gtest.h>

using namespace zarn;
using namespace zarn::testing;

namespace {

// The built-in artwork: a directory without artwork files.
const QString NoArtworkDir = QStringLiteral("/nonexistent-zarn-dir");

} // namespace

TEST(ComposeCardPictures, PicturesHaveTheSpecifiedSizeAndComeFromTheirCells) {
    for (float scale : {0.4f, 0.92f, 2.0f}) {
        const GameState s = StateAt(scale);
        const PictureGeometry g = PictureGeometryFor(s);
        const CardArtwork art(NoArtworkDir);
        const CardPictures p = ComposeCardPictures(art, s, 1.0);
        EXPECT_TRUE(p.image[0].isNull());
        for (int i = 1; i < PictureCount; ++i) {
            ASSERT_EQ(p.image[i].size(), QSize(g.width, g.height)) << "picture " << i;
        }
        // A king is cut from cell 12, starting at N(12 w): redraw the clubs strip and compare.
        QImage strip(qMax(int(std::lround(13.0 * g.cell)), g.cellStart(12) + g.width), g.height,
                     QImage::Format_ARGB32_Premultiplied);
        strip.fill(Qt::transparent);
        {
            QPainter painter(&strip);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            art.render(0, painter, QRectF(0, 0, 13.0 * g.cell, s.CardHeight / 15.0));
        }
        EXPECT_EQ(g.cellStart(12), RoundEven(12.0 * (s.CardWidth / 15.0f)));
        EXPECT_TRUE(SamePixels(p.image[13], strip.copy(g.cellStart(12), 0, g.width, g.height)));
        EXPECT_FALSE(SamePixels(p.image[13], strip.copy(g.cellStart(11), 0, g.width, g.height)));
    }
    const PictureGeometry g = PictureGeometryFor(StateAt(0.92f));
    EXPECT_EQ(g.width, 65);
    EXPECT_EQ(g.height, 90);
    EXPECT_EQ(g.cellStart(12), 783);
}

TEST(ComposeCardPictures, RevealCopiesMarkersAndDistinctFaces) {
    for (qreal dpr : {1.0, 2.0}) {
        const GameState s = StateAt(0.92f);
        const CardPictures p = ComposeCardPictures(CardArtwork(NoArtworkDir), s, dpr);
        for (int suit = 0; suit < 4; ++suit)
            EXPECT_TRUE(SamePixels(p.image[13 * suit + 1], p.image[RevealFirst + suit]));
        for (int m = MarkerFirst + 1; m <= MarkerLast; ++m)
            EXPECT_TRUE(SamePixels(p.image[MarkerFirst], p.image[m])) << "marker " << m;
        for (int a = 1; a <= CardCount; ++a) {
            EXPECT_GT(InkShare(p.image[a]), 0.02) << "card " << a << " looks blank";
            EXPECT_DOUBLE_EQ(p.image[a].devicePixelRatio(), dpr);
            EXPECT_EQ(p.image[a].deviceIndependentSize().toSize(), QSize(65, 90));
            for (int b = a + 1; b <= CardCount; ++b)
                EXPECT_FALSE(SamePixels(p.image[a], p.image[b])) << a << " and " << b;
        }
        EXPECT_FALSE(SamePixels(p.image[MarkerFirst], p.image[1]));
        // The marker is a translucent shade inside an outline: most of it is drawn on.
        const QImage marker = p.image[MarkerFirst].convertToFormat(QImage::Format_ARGB32);
        int shaded = 0;
        for (int y = 0; y < marker.height(); ++y)
            for (int x = 0; x < marker.width(); ++x) shaded += qAlpha(marker.pixel(x, y)) > 20;
        EXPECT_GT(shaded, marker.width() * marker.height() / 2);
    }
}

TEST(CardArtwork, WorkingDirectoryFirstBrokenFileFallsBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A hearts file of plain blue cards, and a clubs file that is not SVG at all.
    WriteFile(dir.filePath("hearts2.svg"),
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"13836\" height=\"1464\" "
              "viewBox=\"0 0 13836 1464\"><rect width=\"13836\" height=\"1464\" "
              "fill=\"#0000ff\"/></svg>");
    WriteFile(dir.filePath("clubs2.svg"), "this is not a picture");
    const CardArtwork local(dir.path());
    EXPECT_TRUE(local.fromWorkingDirectory(2));
    EXPECT_FALSE(local.fromWorkingDirectory(0));
    EXPECT_FALSE(local.fromWorkingDirectory(1));
    const GameState s = StateAt(0.92f);
    const CardPictures mine = ComposeCardPictures(local, s, 1.0);
    const CardPictures builtIn = ComposeCardPictures(CardArtwork(NoArtworkDir), s, 1.0);
    EXPECT_EQ(mine.image[30].pixel(30, 45), qRgb(0, 0, 255));
    EXPECT_TRUE(SamePixels(mine.image[75], mine.image[27]));
    for (int card : {1, 13, 14, 40, 53})
        EXPECT_TRUE(SamePixels(mine.image[card], builtIn.image[card])) << "card " << card;
    EXPECT_FALSE(SamePixels(mine.image[27], builtIn.image[27]));
}
