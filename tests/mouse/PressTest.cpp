// Presses that move nothing by dragging: the covered ace shown on top while the button is
// held, the right-button send to a foundation, presses on the foundations and presses
// while a card glides.
#include "MouseTest.h"

#include <QTimer>

namespace zarn::test {
namespace {

using Press = MouseTest;

constexpr int AH = 27, AS = 40, AC = 1;

// Column 3 ends ace of hearts, five of clubs, nine of diamonds; column 2 ends two of
// spades, ace of spades; column 6 ends with the ace of clubs.
DealSpec AcesDeal() {
    DealSpec d;
    d.cells = {Card(13, 'C'), Card(12, 'D'), Card(11, 'H'), Card(10, 'S')};
    d.columnTops[1] = {Card(2, 'S'), AS};
    d.columnTops[2] = {AH, Card(5, 'C'), Card(9, 'D')};
    d.columnTops[3] = {Card(3, 'C'), Card(8, 'H'), Card(6, 'D')};
    d.columnTops[5] = {AC};
    return d;
}

TEST_F(Press, ACoveredAceShowsOnTopWhileTheButtonIsHeldAndNothingMoves) {
    start();
    dealOrder(AcesDeal().order());
    ASSERT_EQ(cards(3).back(), Card(9, 'D'));
    const PileCards piles = allPiles();
    const auto places = positions();
    const int reveal = RevealFirst + 2; // hearts
    const QRect aceRect = table()->pixelRect(AH);
    const QImage before = shot(aceRect);

    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        const QPoint p = grabPoint(AH);
        pressAt(p, button);
        EXPECT_TRUE(table()->isVisible(reveal)) << button;
        EXPECT_EQ(table()->left(reveal), table()->left(AH));
        EXPECT_EQ(table()->top(reveal), table()->top(AH));
        EXPECT_EQ(table()->drawingOrder().back(), reveal) << "shown on top of its column";
        EXPECT_EQ(s().MovingCards[0], -1) << "no lift";
        EXPECT_FALSE(window->game().Dragging());
        table()->flushPending();
        EXPECT_NE(shot(aceRect), before) << "the whole ace is painted over the cards on it";
        // A trembling hand keeps it up.
        moveTo(p + QPoint(3, 2));
        moveTo(p + QPoint(-2, 4));
        EXPECT_TRUE(table()->isVisible(reveal));
        EXPECT_EQ(positions(), places);

        releaseAt(p + QPoint(-2, 4), button);
        EXPECT_FALSE(table()->isVisible(reveal));
        table()->flushPending();
        EXPECT_EQ(shot(aceRect), before);
        EXPECT_EQ(allPiles(), piles);
        EXPECT_EQ(positions(), places);
        EXPECT_TRUE(s().MovesList.empty());
    }

    // A reveal whose release never came is hidden when the free pointer passes over it.
    pressAt(grabPoint(AH));
    ASSERT_TRUE(table()->isVisible(reveal));
    QTest::mouseRelease(table(), Qt::LeftButton, Qt::NoModifier, barePoint()); // over the table
    EXPECT_FALSE(table()->isVisible(reveal)) << "any release hides it";
    pressAt(grabPoint(AH));
    ASSERT_TRUE(table()->isVisible(reveal));
    hoverAt(grabPoint(AH) + QPoint(0, 30));
    EXPECT_FALSE(table()->isVisible(reveal));
    releaseAt(grabPoint(AH));
    EXPECT_EQ(allPiles(), piles);
    expectIdle();
}

TEST_F(Press, TheRightButtonSendsATopCardHomeWithAGlideAndNothingElse) {
    start();
    window->speedFrame()->setValue(8); // 62 positions between start and end
    dealOrder(AcesDeal().order());
    const QPointF from(table()->left(AS), table()->top(AS));
    const QPointF to(table()->left(MarkerOf(17)), table()->top(MarkerOf(17)));
    std::vector<QPointF> path;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const QPointF at(table()->left(AS), table()->top(AS));
        if (s().Busy == Yes && at != from && (path.empty() || path.back() != at))
            path.push_back(at);
    });
    watch.start(0);
    click(AS, Qt::RightButton);
    watch.stop();

    EXPECT_EQ(cards(17), std::vector<int>{AS});
    EXPECT_EQ(cards(2).back(), Card(2, 'S'));
    EXPECT_EQ(s().PileOf[AS], 17);
    EXPECT_EQ(QPointF(table()->left(AS), table()->top(AS)), to);
    EXPECT_EQ(s().MovesList.size(), 0u) << "a move to a foundation empties the history";
    // The picture travelled: many positions, each nearer the foundation, none at either end.
    ASSERT_GE(path.size(), 20u);
    double last = QLineF(from, to).length();
    for (const QPointF& p : path) {
        const double left = QLineF(p, to).length();
        EXPECT_LT(left, last);
        EXPECT_GT(left, 0.0);
        last = left;
    }
    // No sweep follows a right-button send: the two of spades stays, though it fits.
    EXPECT_EQ(s().PileOf[Card(2, 'S')], 2);
    EXPECT_TRUE(rec.gameOverTitles.empty());
    EXPECT_FALSE(window->command(QStringLiteral("Increase Card Size"))->isEnabled());
    expectIdle();

    // A right press on a covered card, or on a top card no foundation takes, does nothing.
    const PileCards piles = allPiles();
    const auto places = positions();
    click(Card(8, 'H'), Qt::RightButton);  // covered by the six of diamonds
    click(Card(9, 'D'), Qt::RightButton);  // on top, but no foundation takes it
    click(Card(13, 'C'), Qt::RightButton); // in a cell
    EXPECT_EQ(allPiles(), piles);
    EXPECT_EQ(positions(), places);
    expectIdle();
}

TEST_F(Press, ACardOnAFoundationCannotBeLifted) {
    start();
    fastGlides();
    dealOrder(AcesDeal().order());
    click(AS, Qt::RightButton);
    ASSERT_EQ(cards(17), std::vector<int>{AS});
    const PileCards piles = allPiles();
    const auto places = positions();
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton}) {
        // Carried towards an empty cell, where a lifted card could go.
        dragBy(AS, pixelIn(MarkerOf(13), 90, 90) - pixelIn(AS, 0, 0), button);
        EXPECT_EQ(allPiles(), piles) << button;
        EXPECT_EQ(positions(), places) << button;
        EXPECT_FALSE(window->game().Dragging());
    }
    expectIdle();
}

// While a card glides, presses on other cards are ignored: no lift, no send, no reveal;
// the right press on the bare table still changes the background.
TEST_F(Press, PressesWhileACardGlidesAreIgnored) {
    start();
    window->speedFrame()->setValue(30); // 898 glide positions
    dealOrder(AcesDeal().order());
    const int nine = Card(9, 'D'), eight = Card(8, 'H');
    bool gliding = false;
    QTimer::singleShot(0, [&] {
        gliding = s().Busy == Yes;
        // A drag of the nine of diamonds towards an empty cell.
        dragBy(nine, pixelIn(MarkerOf(13), 90, 90) - pixelIn(nine, 0, 0));
        click(AC, Qt::RightButton); // would go to a foundation
        dblClick(AC);
        pressAt(grabPoint(AH)); // would reveal the ace
        EXPECT_FALSE(table()->isVisible(RevealFirst + 2));
        releaseAt(grabPoint(AH));
        dragBy(eight, QPoint(0, 40)); // the group under the six of diamonds
        pressAt(barePoint(), Qt::RightButton);
        releaseAt(barePoint(), Qt::RightButton);
    });
    click(AS, Qt::RightButton);
    EXPECT_TRUE(gliding);
    EXPECT_EQ(cards(17), std::vector<int>{AS});
    EXPECT_TRUE(cards(18).empty()) << "the ace of clubs stayed";
    EXPECT_EQ(s().PileOf[AC], 6);
    EXPECT_EQ(s().PileOf[nine], 3);
    EXPECT_TRUE(cards(13).empty());
    EXPECT_EQ(s().DragCard, 0);
    EXPECT_EQ(s().BackgroundIndex, 1);
    expectIdle();
}

} // namespace
} // namespace zarn::test
