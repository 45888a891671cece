// The right button on the bare table steps through the tiles and the plain colour; the
// choice is painted at once and comes back after a restart.
#include "MouseTest.h"

namespace zarn::test {
namespace {

const char* const TileOrder[] = {"coral",  "cryst",  "dunes",  "foam", "green",  "green2",
                                 "green4", "green6", "grey2",  "hewn", "lines2", "red2",
                                 "sand",   "sky",    "snails", "snow", "violet"};

QImage TileFile(const char* name) {
    return QImage(QStringLiteral(ZARN_ASSET_DIR "/tiles/") + QLatin1String(name) +
                  QStringLiteral(".bmp"))
        .convertToFormat(QImage::Format_RGB32);
}

class BackgroundTest : public MouseTest {
protected:
    // What the table shows in a small square round a bare point: the number of pixels
    // that differ from the tile laid from the table's corner (null: the plain colour).
    int misses(QPoint at, const QImage& tile) {
        const QRect square(at - QPoint(5, 5), QSize(11, 11));
        const QImage shown = shot(square).convertToFormat(QImage::Format_RGB32);
        int wrong = 0;
        for (int y = 0; y < square.height(); ++y)
            for (int x = 0; x < square.width(); ++x) {
                const QRgb want = tile.isNull() ? qRgb(192, 192, 192)
                                                : tile.pixel((square.x() + x) % tile.width(),
                                                             (square.y() + y) % tile.height());
                if (qRgb(qRed(shown.pixel(x, y)), qGreen(shown.pixel(x, y)),
                         qBlue(shown.pixel(x, y))) != want)
                    ++wrong;
            }
        return wrong;
    }
    void rightClickAt(QPoint p) {
        pressAt(p, Qt::RightButton);
        releaseAt(p, Qt::RightButton);
    }
};

TEST_F(BackgroundTest, SeventeenRightPressesShowTheTilesInOrderAndTheNextThePlainColour) {
    start();
    const QPoint bare = barePoint();
    ASSERT_EQ(s().BackgroundIndex, 0);
    EXPECT_EQ(misses(bare, QImage()), 0) << "the plain table";
    const PileCards piles = allPiles();
    const auto places = positions();

    for (int i = 0; i < 17; ++i) {
        const QImage tile = TileFile(TileOrder[i]);
        ASSERT_EQ(tile.size(), QSize(128, 128)) << TileOrder[i];
        rightClickAt(bare + QPoint(i % 3, i % 2));
        EXPECT_EQ(s().BackgroundIndex, i + 1);
        EXPECT_EQ(misses(bare, tile), 0) << TileOrder[i];
        if (i > 0) {
            EXPECT_GT(misses(bare, TileFile(TileOrder[i - 1])), 0)
                << "a new tile: " << TileOrder[i];
        }
    }
    rightClickAt(bare);
    EXPECT_EQ(s().BackgroundIndex, 0);
    EXPECT_EQ(misses(bare, QImage()), 0) << "after violet, the plain colour";
    rightClickAt(bare);
    EXPECT_EQ(s().BackgroundIndex, 1);
    EXPECT_EQ(misses(bare, TileFile("coral")), 0);
    EXPECT_EQ(allPiles(), piles);
    EXPECT_EQ(positions(), places);
}

TEST_F(BackgroundTest, OnlyTheRightButtonOnTheBareTableStepsIt) {
    start();
    fastGlides();
    const QPoint bare = barePoint();
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::MiddleButton}) {
        pressAt(bare, b);
        releaseAt(bare, b);
    }
    QTest::mouseDClick(table(), Qt::LeftButton, Qt::NoModifier, bare);
    releaseAt(bare);
    EXPECT_EQ(s().BackgroundIndex, 0);
    // Right presses on cards belong to the cards.
    const int covered = cards(1).front();
    click(covered, Qt::RightButton);
    click(TopCard(s(), 2), Qt::RightButton);
    EXPECT_EQ(s().BackgroundIndex, 0);
    EXPECT_EQ(misses(bare, QImage()), 0);
}

TEST_F(BackgroundTest, TheChoiceSurvivesARestart) {
    start();
    QPoint bare = barePoint();
    for (int i = 0; i < 17; ++i) rightClickAt(bare);
    ASSERT_EQ(s().BackgroundIndex, 17);
    trigger("Exit");
    EXPECT_EQ(readFile(settingsPath()).split('\n').value(2), QByteArray(" 17 \r"));

    window.reset();
    start();
    EXPECT_EQ(s().BackgroundIndex, 17);
    bare = barePoint();
    EXPECT_EQ(misses(bare, TileFile("violet")), 0);
    rightClickAt(bare);
    EXPECT_EQ(misses(bare, QImage()), 0);
    window->close(); // the close box saves as well
    EXPECT_EQ(readFile(settingsPath()).split('\n').value(2), QByteArray(" 0 \r"));

    window.reset();
    start();
    EXPECT_EQ(s().BackgroundIndex, 0);
    EXPECT_EQ(misses(barePoint(), QImage()), 0);
}

} // namespace
} // namespace zarn::test
