// The double-click, and the card-size commands that the first move of a deal turns off,
// whichever way that move is made.
#include "MouseTest.h"

#include <QTimer>
#include <QWindow>

namespace zarn::test {
namespace {

using DoubleClick = MouseTest;

const int AD = Card(1, 'D'), D2 = Card(2, 'D'), S7 = Card(7, 'S'), S6 = Card(6, 'S');

// Column 1 ends with the ace of diamonds, column 2 with the two of diamonds on the seven
// of spades, column 4 with the six of spades, column 6 with the eight of spades.
DealSpec ClickDeal() {
    DealSpec d;
    d.cells = {Card(13, 'C'), Card(12, 'D'), Card(11, 'H'), Card(10, 'S')};
    d.columnTops[0] = {AD};
    d.columnTops[1] = {S7, D2};
    d.columnTops[3] = {S6};
    d.columnTops[5] = {Card(8, 'S')};
    return d;
}

TEST_F(DoubleClick, SendsToAFoundationFirstThenToAColumnAndIgnoresCoveredCards) {
    start();
    window->speedFrame()->setValue(4); // a short glide
    trigger("AutoMove");
    dealOrder(ClickDeal().order());

    dblClick(AD);
    EXPECT_EQ(cards(17), std::vector<int>{AD});
    EXPECT_EQ(s().MovingCards[0], -1);
    expectIdle();
    dblClick(D2); // fits the foundation only
    EXPECT_EQ(cards(17), (std::vector<int>{AD, D2}));
    expectIdle();

    // The six of spades fits on the seven of spades only.
    const std::size_t column2 = cards(2).size();
    dblClick(S6);
    EXPECT_EQ(cards(2).size(), column2 + 1);
    EXPECT_EQ(cards(2).back(), S6);
    EXPECT_EQ(s().CardHomeX[S6], s().CardHomeX[S7]);
    EXPECT_EQ(s().CardHomeY[S6], s().CardHomeY[S7] + s().FanStep);
    EXPECT_EQ(s().MovesList.size(), 3u);
    expectIdle();

    // A covered card, a card that fits nowhere and a card in a cell that fits nowhere.
    const PileCards piles = allPiles();
    const auto places = homes();
    for (int c : {S7, Card(8, 'S'), Card(13, 'C'), cards(3).front()}) {
        dblClick(c);
        EXPECT_EQ(allPiles(), piles) << c;
        EXPECT_EQ(homes(), places) << c;
        expectIdle();
    }
    EXPECT_TRUE(rec.gameOverTitles.empty());
}

// Between its first press and its release the hand may wander: the double-click's second
// press lifts nothing, so nothing follows the pointer.
TEST_F(DoubleClick, TheSecondPressStartsNoDrag) {
    start();
    fastGlides();
    trigger("AutoMove");
    dealOrder(ClickDeal().order());
    const QPoint p = grabPoint(AD);
    const QPoint cell = pixelIn(MarkerOf(13), 200, 200);
    pressAt(p);
    EXPECT_TRUE(window->game().Dragging()) << "the first press lifts the card";
    releaseAt(p);
    EXPECT_FALSE(window->game().Dragging());
    QTest::mouseDClick(table(), Qt::LeftButton, Qt::NoModifier, p);
    EXPECT_FALSE(window->game().Dragging());
    EXPECT_EQ(cards(17), std::vector<int>{AD});
    moveTo(cell);
    releaseAt(cell);
    EXPECT_EQ(cards(17), std::vector<int>{AD});
    EXPECT_TRUE(cards(13).empty());
    expectIdle();

    // Nor when the glide is long and the pointer wanders during it.
    window->speedFrame()->setValue(12);
    const QPoint q = grabPoint(D2);
    pressAt(q);
    releaseAt(q);
    bool gliding = false;
    QTimer::singleShot(0, [&] {
        gliding = s().Busy == Yes;
        moveTo(cell);
    });
    QTest::mouseDClick(table(), Qt::LeftButton, Qt::NoModifier, q);
    EXPECT_TRUE(gliding);
    moveTo(cell);
    releaseAt(cell);
    EXPECT_EQ(cards(17), (std::vector<int>{AD, D2}));
    EXPECT_TRUE(cards(13).empty());
    expectIdle();
}

// The same through the window system, which turns the second press into the double-click.
TEST_F(DoubleClick, ADoubleClickThroughTheWindowSystemMovesTheCardOnce) {
    start();
    fastGlides();
    trigger("AutoMove");
    dealOrder(ClickDeal().order());
    QWindow* w = window->windowHandle();
    const QPoint p = table()->mapTo(window.get(), grabPoint(AD));
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, p);
    EXPECT_EQ(cards(17), std::vector<int>{AD});
    EXPECT_FALSE(window->game().Dragging());
    const QPoint q = table()->mapTo(window.get(), grabPoint(D2));
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, q);
    EXPECT_EQ(cards(17), (std::vector<int>{AD, D2}));
    EXPECT_EQ(s().MovesList.size(), 0u);
    expectIdle();
}

// The size commands stay on through refused lifts and drops that go back, and the first
// move of a deal turns them off, by drop, right-button send or double-click alike.
TEST_F(DoubleClick, TheFirstMoveOfADealTurnsTheSizeCommandsOff) {
    start();
    fastGlides();
    trigger("AutoMove");
    QAction* larger = window->command(QStringLiteral("Increase Card Size"));
    QAction* smaller = window->command(QStringLiteral("Decrease Card Size"));
    auto expectEnabled = [&](bool on, const char* what) {
        EXPECT_EQ(larger->isEnabled(), on) << what;
        EXPECT_EQ(smaller->isEnabled(), on) << what;
    };
    const auto deal = ClickDeal().order();

    dealOrder(deal);
    dragBy(S6, QPoint(0, 5));              // back to its column
    dblClick(Card(8, 'S'));                // fits nowhere
    click(Card(13, 'C'), Qt::RightButton); // no foundation takes it
    dragToPile(S6, 3);                     // refused by the rules
    expectEnabled(true, "no move yet");
    dragToPile(AD, 17);
    ASSERT_EQ(cards(17), std::vector<int>{AD});
    expectEnabled(false, "after a drop");
    QTest::keyClick(window.get(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(s().SizeScale, 0.92f);

    dealOrder(deal);
    expectEnabled(true, "a new deal");
    click(AD, Qt::RightButton);
    ASSERT_EQ(cards(17), std::vector<int>{AD});
    expectEnabled(false, "after a right-button send");

    dealOrder(deal);
    dblClick(AD);
    ASSERT_EQ(cards(17), std::vector<int>{AD});
    expectEnabled(false, "after a double-click");
    trigger("Reset Positions");
    expectEnabled(true, "the deal from its start");
    expectIdle();
}

} // namespace
} // namespace zarn::test
