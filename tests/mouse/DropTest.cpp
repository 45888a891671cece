// Where dragged cards land: the pile under the dragged card's top-left corner, the
// drops that go back, the group spread over the free cells, and drags that end without
// a release on the table.
#include "MouseTest.h"

#include <QWindow>

namespace zarn::test {
namespace {

using Drop = MouseTest;

const int H9 = Card(9, 'H'), H8 = Card(8, 'H'), H7 = Card(7, 'H'), S8 = Card(8, 'S');

// Column 1 ends nine of hearts, eight of spades, seven of hearts (a run by rank); column 2
// ends four of clubs, eight of diamonds; column 5 ends with the ten of hearts.
DealSpec RunDeal() {
    DealSpec d;
    d.cells = {Card(13, 'C'), Card(12, 'D'), Card(11, 'H'), Card(10, 'S')};
    d.columnTops[0] = {H9, S8, H7};
    d.columnTops[1] = {Card(4, 'C'), Card(8, 'D')};
    d.columnTops[4] = {Card(10, 'H')};
    return d;
}

TEST_F(Drop, CardsGoBackFromTheirOwnColumnAndFromTheBareTable) {
    start();
    fastGlides();
    dealOrder(RunDeal().order());
    const PileCards piles = allPiles();
    const int top2 = Card(8, 'D');

    dragBy(top2, QPoint(0, 8)); // corner inside the card beneath
    EXPECT_EQ(allPiles(), piles);
    expectIdle();
    dragBy(H9, QPoint(6, 5)); // the group, corner inside the card beneath the nine
    EXPECT_EQ(allPiles(), piles);
    expectIdle();

    const QPoint bare = barePoint();
    dragBy(top2, bare - pixelIn(top2, 0, 0));
    EXPECT_EQ(allPiles(), piles);
    expectIdle();
    dragBy(H9, bare - pixelIn(H9, 0, 0));
    EXPECT_EQ(allPiles(), piles);
    expectIdle();
    EXPECT_TRUE(s().MovesList.empty());
    EXPECT_TRUE(window->command(QStringLiteral("Increase Card Size"))->isEnabled())
        << "a drop that goes back is no move";

    // The nine lifted with its run goes onto the ten of hearts.
    dragToPile(H9, 5);
    EXPECT_EQ(lastOf(5, 4), (std::vector<int>{Card(10, 'H'), H9, S8, H7}));
    EXPECT_EQ(cards(1).size(), 3u);
    expectIdle();
    // The pressed card is remembered until the free pointer crosses the bare table.
    EXPECT_EQ(s().DragCard, H9);
    hoverAt(pixelIn(Card(10, 'H'), 300, 30));
    EXPECT_EQ(s().DragCard, H9) << "over a card";
    hoverAt(bare);
    EXPECT_EQ(s().DragCard, 0);
}

TEST_F(Drop, ACornerExactlyOnAnEdgeIsNotInside) {
    start();
    fastGlides();
    trigger("AutoMove");
    PileCards given;
    given[5] = {H9};       // alone, so nothing beneath it catches the corner
    given[2] = {1, 2, H8}; // the eight of hearts fits on it
    arrange(Spread(given, {1, 3, 4, 6, 7, 8}));
    // Pressed and let go where they lie, both come to rest at their whole-twip homes.
    click(H9);
    click(H8);
    ASSERT_TRUE(atHome(H9) && atHome(H8));
    const float x = table()->left(H9), y = table()->top(H9);
    const float w = s().CardWidth, h = s().CardHeight;
    ASSERT_EQ(x, float(s().CardHomeX[H9]));

    const QPointF edges[] = {{x, y + 100}, {x + w, y + 100}, {x + 100, y}, {x + 100, y + h}};
    for (QPointF corner : edges) {
        dragCornerTo(H8, float(corner.x()), float(corner.y()));
        EXPECT_EQ(cards(5), std::vector<int>{H9}) << corner.x() << "," << corner.y();
        EXPECT_EQ(s().PileOf[H8], 2);
        expectIdle();
    }
    // One twip inside, it lands.
    dragCornerTo(H8, x + w - 1, y + h - 1);
    EXPECT_EQ(cards(5), (std::vector<int>{H9, H8}));
    expectIdle();
}

// The layout keeps piles apart; here a foundation and an empty cell are laid over the
// end of column 1, and the drop rule alone decides.
TEST_F(Drop, OfTwoPilesTheHigherNumberedOneTakesTheCardsAndAnEmptyPilesMarkerEndsTheSearch) {
    start();
    fastGlides();
    trigger("AutoMove");
    PileCards given;
    given[1] = {2, 3, H9};
    given[3] = {4, 5, H8};
    for (int r = 1; r <= 7; ++r) given[17].push_back(Card(r, 'H'));
    arrange(Spread(given, {2, 4, 5, 6, 7, 8}));
    const float x = RoundEven(table()->left(H9)), y = RoundEven(table()->top(H9));
    const float w = s().CardWidth, h = s().CardHeight;
    relocate(17, RoundEven(x + w / 2), RoundEven(y + h / 2));
    relocate(13, RoundEven(x + w * 0.75f), RoundEven(y + h * 0.75f));
    click(H8); // to its whole-twip home
    expectIdle();

    // Inside the nine of hearts (column 1) and the seven on foundation 17, not the cell:
    // the eight goes to the foundation, not onto the nine.
    dragCornerTo(H8, RoundEven(x + w * 0.6f), RoundEven(y + h * 0.6f));
    EXPECT_EQ(cards(17).back(), H8);
    EXPECT_EQ(cards(1).back(), H9);
    expectIdle();

    // Inside the nine's own column, the empty cell's marker and the eight on the
    // foundation: the cell takes it, though the foundation would as well.
    click(H9); // to its whole-twip home
    dragCornerTo(H9, RoundEven(x + w * 0.9f), RoundEven(y + h * 0.9f));
    EXPECT_EQ(cards(13), std::vector<int>{H9});
    EXPECT_EQ(cards(17).back(), H8);
    expectIdle();
}

TEST_F(Drop, AGroupDroppedOnAnEmptyCellIsSpreadOverTheFreeCells) {
    start();
    fastGlides();
    dealOrder(RunDeal().order());
    const auto homes = s();
    dragToPile(H9, 14);
    EXPECT_EQ(cards(14), std::vector<int>{H9});
    EXPECT_EQ(cards(13), std::vector<int>{S8});
    EXPECT_EQ(cards(15), std::vector<int>{H7});
    EXPECT_TRUE(cards(16).empty());
    EXPECT_EQ(cards(1).size(), 3u);
    EXPECT_EQ(s().StopoverCells, " 14, 13, 15,");
    for (auto [card, pile] : {std::pair{H9, 14}, {S8, 13}, {H7, 15}}) {
        EXPECT_EQ(s().CardHomeX[card], homes.CardHomeX[MarkerOf(pile)]) << card;
        EXPECT_EQ(s().CardHomeY[card], homes.CardHomeY[MarkerOf(pile)]) << card;
    }
    expectIdle();

    // Three cards out of order with one cell left are not even lifted.
    const PileCards piles = allPiles();
    ASSERT_EQ(cards(1).size(), 3u);
    dragToPile(cards(1)[0], 16);
    EXPECT_EQ(allPiles(), piles);
    expectIdle();

    trigger("Undo Last Move");
    EXPECT_EQ(cards(1).size(), 6u);
    EXPECT_EQ(cards(1)[3], H9);
    for (int p = 13; p <= 16; ++p) EXPECT_TRUE(cards(p).empty()) << p;
    expectIdle();
}

TEST_F(Drop, CardsLetGoOutsideTheWindowGoBack) {
    start();
    fastGlides();
    trigger("AutoMove");
    // Column 1 runs far below the window's lower edge, the nine of hearts at its end.
    PileCards given;
    for (int c = 1; c <= 52 && given[1].size() < 25; ++c)
        if (c != H9 && c != H8) given[1].push_back(c);
    given[1].push_back(H9);
    given[3] = {H8};
    arrange(Spread(given, {2, 4, 5, 6, 7, 8}));
    const QRect nine = table()->pixelRect(H9);
    ASSERT_GT(nine.top(), table()->height()) << "the nine lies out of sight";
    const PileCards piles = allPiles();

    // Carried so that the corner lies inside the nine, the pointer below the window.
    const QPoint delta = pixelIn(H9, 90, 90) - pixelIn(H8, 0, 0);
    ASSERT_GT((grabPoint(H8) + delta).y(), table()->height());
    dragBy(H8, delta);
    EXPECT_EQ(allPiles(), piles);
    EXPECT_EQ(s().MovingCards[0], -1);
    EXPECT_FALSE(window->game().Dragging());
    EXPECT_NE(table()->cursor().shape(), Qt::BitmapCursor);
    expectIdle();

    // Through the window system: the pointer leaves the window to the right and the
    // button comes up out there.
    QWindow* w = window->windowHandle();
    const QPoint inWindow = table()->mapTo(window.get(), grabPoint(H8));
    const QPoint outside(window->width() + 40, inWindow.y());
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, inWindow);
    QTest::mouseMove(w, inWindow + QPoint(20, 0));
    ASSERT_TRUE(window->game().Dragging());
    QTest::mouseMove(w, outside);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, outside);
    EXPECT_EQ(allPiles(), piles);
    expectIdle();
    EXPECT_TRUE(s().MovesList.empty());
}

TEST_F(Drop, ADragCutOffByAnotherWindowPutsTheCardsBack) {
    start();
    fastGlides();
    dealOrder(RunDeal().order());
    activate();
    const PileCards piles = allPiles();
    const QPoint from = grabPoint(H9);
    const QPoint delta = pixelIn(Card(10, 'H'), 90, 90) - pixelIn(H9, 0, 0);
    pressAt(from);
    moveTo(from + delta);
    ASSERT_TRUE(window->game().Dragging());

    QWidget other;
    other.resize(200, 100);
    other.show();
    QApplication::setActiveWindow(&other);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_FALSE(window->game().Dragging());
    EXPECT_NE(table()->cursor().shape(), Qt::BitmapCursor);
    for (int c : cards(1)) EXPECT_TRUE(atHome(c)) << c;

    // The release that comes later makes no move.
    releaseAt(from + delta);
    hoverAt(from + delta);
    EXPECT_EQ(allPiles(), piles);
    expectIdle();
}

TEST_F(Drop, OneDragAtATimeAndEveryReleaseHidesTheRevealedAce) {
    start();
    fastGlides();
    DealSpec d = RunDeal();
    d.columnTops[6] = {Card(1, 'S'), Card(5, 'D')}; // a covered ace
    d.columnTops[7] = {Card(1, 'C')};               // an ace on top
    dealOrder(d.order());
    const int reveal = RevealFirst + 3;

    // The ace of spades is shown by the left button; the middle button drags meanwhile.
    pressAt(grabPoint(Card(1, 'S')));
    ASSERT_TRUE(table()->isVisible(reveal));
    const QPoint from = grabPoint(Card(8, 'D'));
    pressAt(from, Qt::MiddleButton);
    moveTo(from + QPoint(0, 6));
    ASSERT_TRUE(window->game().Dragging());
    releaseAt(from + QPoint(0, 6), Qt::MiddleButton);
    EXPECT_FALSE(table()->isVisible(reveal)) << "the drop's release hides it too";
    releaseAt(grabPoint(Card(1, 'S')));
    expectIdle();

    // While the nine's run hangs from the pointer, other buttons lift and send nothing,
    // and their release drops nothing.
    const QPoint grab = grabPoint(H9);
    const QPoint delta = pixelIn(Card(10, 'H'), 90, 90) - pixelIn(H9, 0, 0);
    pressAt(grab);
    moveTo(grab + delta / 2);
    QTest::mousePress(table(), Qt::RightButton, Qt::NoModifier, grabPoint(Card(1, 'C')));
    QTest::mouseRelease(table(), Qt::RightButton, Qt::NoModifier, grabPoint(Card(1, 'C')));
    EXPECT_EQ(s().PileOf[Card(1, 'C')], 8) << "no send while dragging";
    EXPECT_TRUE(window->game().Dragging());
    EXPECT_EQ(s().MovingCards[1], H9);
    moveTo(grab + delta);
    releaseAt(grab + delta);
    EXPECT_EQ(lastOf(5, 4), (std::vector<int>{Card(10, 'H'), H9, S8, H7}));
    expectIdle();
}

} // namespace
} // namespace zarn::test
