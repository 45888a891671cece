// Where moved cards land, the spread of a group over the free cells, and the glide.

#include "tests/game/Arrange.h"
#include "tests/game/EngineFixture.h"

#include <gtest/gtest.h>

namespace zarn::test {
namespace {

void ExpectLiesAt(const EngineTable& t, int card, float left, float top) {
    EXPECT_EQ(t.surface.left(card), left) << "card " << card;
    EXPECT_EQ(t.surface.top(card), top) << "card " << card;
    EXPECT_EQ(t.s.CardHomeX[card], RoundEven(left)) << "card " << card;
    EXPECT_EQ(t.s.CardHomeY[card], RoundEven(top)) << "card " << card;
}
void ExpectLiesOn(const EngineTable& t, int card, int picture) {
    ExpectLiesAt(t, card, t.surface.left(picture), t.surface.top(picture));
}

std::vector<int> TopOfDrawing(const EngineTable& t, int n) {
    const auto& order = t.surface.drawingOrder();
    return std::vector<int>(order.end() - n, order.end());
}

TEST(Moves, ASingleCardLandsBelowTheOldTopOnAColumnAndExactlyOnAnythingElse) {
    const int sixS = Card(6, 'S'), sevenS = Card(7, 'S'), kingD = Card(13, 'D'),
              sevenC = Card(7, 'C'), fiveH = Card(5, 'H');
    EngineTable t;
    t.Deal(Arrangement()
               .cells({sixS, kingD, sevenC, fiveH})
               .column(1, {6, 5, 4, 3, 2, 1}) // six of clubs at the bottom, ace on top
               .at(ColumnSlot(7, 6), sevenS)
               .order());
    t.s.AutoMove = No;
    const int fan = t.s.FanStep;

    // One fan step below the dealt top card (not where a seventh dealt card would go).
    const float sevenTop = t.surface.top(sevenS);
    t.Drag(sixS, 7);
    ExpectLiesAt(t, sixS, t.surface.left(sevenS), sevenTop + fan);
    EXPECT_EQ(t.s.CardHomeY[sixS], 5135 + 269);
    EXPECT_EQ(t.Cards(7).back(), sixS);
    EXPECT_EQ(t.s.PileCount[7], 7);
    EXPECT_EQ(t.s.Piles[9], "");

    // Each club onto the foundation exactly on the card before it.
    for (int club = 1; club <= 6; ++club) {
        t.game.Press(club, MouseButton::Right, 10, 10);
        t.game.Release();
        ExpectLiesOn(t, club, 69);
    }
    EXPECT_EQ(t.s.PileCount[17], 6);
    EXPECT_EQ(t.s.Piles[1], "");

    t.Drag(kingD, 1); // the king onto the empty column: on its marker
    ExpectLiesOn(t, kingD, 53);
    t.Drag(fiveH, 13); // onto an empty cell
    ExpectLiesOn(t, fiveH, 65);
    t.Drag(sevenC, 17); // dropped onto the foundation's six
    ExpectLiesOn(t, sevenC, 6);
    EXPECT_EQ(t.s.PileCount[17], 7);
    EXPECT_EQ(t.Cards(17), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(t.s.Piles[17].size(), 28u);
}

TEST(Moves, AGroupOnAColumnFansDownwardsWithItsTopCardFrontmost) {
    const int tenH = Card(10, 'H'), nineH = Card(9, 'H'), eightH = Card(8, 'H'),
              sevenH = Card(7, 'H');
    EngineTable t;
    t.Deal(HeartsRunBesideItsTen());
    t.s.AutoMove = No;
    const float left = t.surface.left(tenH), top = t.surface.top(tenH);
    t.Drag(nineH, 5);
    ExpectLiesAt(t, nineH, left, top + 269);
    ExpectLiesAt(t, eightH, left, top + 2 * 269);
    ExpectLiesAt(t, sevenH, left, top + 3 * 269);
    EXPECT_EQ(TopOfDrawing(t, 3), (std::vector<int>{nineH, eightH, sevenH}));
    EXPECT_EQ(t.Cards(2), (std::vector<int>{20, 21, 22}));
    EXPECT_EQ(t.s.Piles[5].size(), 36u);
    EXPECT_EQ(t.s.PileCount[5], 9);
    EXPECT_EQ(t.s.PileCount[2], 3);
    EXPECT_EQ(t.s.StopoverCells, "");
    for (int c : {nineH, eightH, sevenH}) EXPECT_EQ(t.s.PileOf[c], 5);
}

TEST(Moves, AGroupDroppedOnAnEmptyCellIsSpreadOverTheLowestEmptyCells) {
    const int fiveD = Card(5, 'D'), sixD = Card(6, 'D'), loner = Card(12, 'S');
    const int g1 = Card(2, 'S'), g2 = Card(11, 'C'), g3 = Card(8, 'D'); // in no order
    EngineTable t;
    t.Deal(Arrangement()
               .cells({27, fiveD, 28, 29})
               .at(ColumnSlot(4, 6), sixD)
               .at(ColumnSlot(3, 6), loner)
               .column(6, {1, 2, 3, g1, g2, g3})
               .order());
    t.s.AutoMove = No;
    t.Drag(fiveD, 4);  // cell 10 empty
    t.Drag(loner, 13); // cell 13 taken: 10, 14, 15, 16 empty
    ASSERT_EQ(t.s.Piles[10], "");
    ASSERT_EQ(t.s.Piles[13], FormatField(loner));

    t.game.Press(g1, MouseButton::Left, 30, 40);
    ASSERT_EQ(t.s.MovingCards[0], 3);
    const float x = t.surface.left(MarkerOf(15)) + 200, y = t.surface.top(MarkerOf(15)) + 300;
    t.game.DragOverTable(x + 30, y + 40);
    const auto order = t.surface.drawingOrder();
    t.game.Release();
    t.game.DropOnPicture(g1);

    EXPECT_EQ(t.Cards(15), std::vector<int>{g1});
    EXPECT_EQ(t.Cards(10), std::vector<int>{g2});
    EXPECT_EQ(t.Cards(14), std::vector<int>{g3});
    EXPECT_EQ(t.s.Piles[16], "");
    EXPECT_EQ(t.s.StopoverCells, " 15, 10, 14,");
    ExpectLiesOn(t, g1, MarkerOf(15));
    ExpectLiesOn(t, g2, MarkerOf(10));
    ExpectLiesOn(t, g3, MarkerOf(14));
    EXPECT_EQ(t.surface.drawingOrder(), order) << "the spread keeps the drawing order";
    EXPECT_EQ(t.Cards(6), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(t.s.PileCount[6], 6) << "the spread leaves the counters alone";
    ASSERT_EQ(t.s.MovesList.size(), 9u);
    EXPECT_EQ(t.s.MovesList[1], "  3,  6, 15,");
    EXPECT_EQ(t.s.MovesList[2], " 41, 11, 21,");

    t.Drag(loner, 16); // a plain move forgets the stopover cells
    EXPECT_EQ(t.s.StopoverCells, "");
    EXPECT_EQ(t.Cards(16), std::vector<int>{loner});
}

TEST(Moves, AMoveOntoItsOwnPileIsAbandoned) {
    EngineTable t;
    t.DealInOrder();
    const auto piles = t.s.Piles;
    t.game.Press(9, MouseButton::Left, 10, 10); // nine and ten of clubs
    ASSERT_EQ(t.s.MovingCards[0], 2);
    t.game.DragOverTable(4000, 4000);
    ASSERT_NE(t.surface.left(9), t.s.CardHomeX[9]);
    t.game.MoveCards(9, 1);
    EXPECT_EQ(t.s.Piles, piles);
    for (int c : {9, 10}) {
        EXPECT_EQ(t.surface.left(c), t.s.CardHomeX[c]);
        EXPECT_EQ(t.surface.top(c), t.s.CardHomeY[c]);
    }
    EXPECT_EQ(t.s.MovingCards[0], -1);
    EXPECT_EQ(t.s.DragCard, 0);
}

TEST(Moves, AGlidePassesThroughSpeedMinusTwoPositionsEachAfterAYield) {
    EngineTable t;
    t.Deal(Arrangement()
               .column(1, {20, 21, 22, 23, 24, 1})
               .column(2, {30, 31, 32, 33, 34, 2})
               .order());
    t.s.AutoMove = No;
    t.s.Speed = 9;
    const double x0 = t.s.CardHomeX[1], y0 = t.s.CardHomeY[1];
    const double x1 = t.s.CardHomeX[69], y1 = t.s.CardHomeY[69];
    std::vector<std::array<float, 3>> seen; // Busy, Left, Top at each yield
    t.host.onProcessEvents = [&] {
        seen.push_back({float(t.s.Busy), t.surface.left(1), t.surface.top(1)});
    };
    const float heldLeft = t.surface.left(1), heldTop = t.surface.top(1);
    t.game.Press(1, MouseButton::Right, 10, 10);
    ASSERT_EQ(seen.size(), 7u);
    for (int i = 2; i <= 8; ++i) {
        const auto& step = seen[i - 2];
        EXPECT_EQ(step[0], Yes);
        // Before the yield of step i the card still shows step i - 1, or where it lay.
        EXPECT_EQ(step[1], i == 2 ? heldLeft : float(x0 + (i - 1) * ((x1 - x0) / 9))) << i;
        EXPECT_EQ(step[2], i == 2 ? heldTop : float(y0 + (i - 1) * ((y1 - y0) / 9))) << i;
    }
    EXPECT_EQ(t.host.glides.back(), (std::array<int, 3>{1, 69, 7}));
    EXPECT_EQ(t.s.Busy, No);
    ExpectLiesOn(t, 1, 69);
    EXPECT_EQ(TopOfDrawing(t, 1), std::vector<int>{1});

    // Speed 4: two positions; speed 1: none, the card jumps.
    t.s.Speed = 4;
    seen.clear();
    t.game.Press(2, MouseButton::Right, 10, 10);
    EXPECT_EQ(seen.size(), 2u);
    EXPECT_EQ(t.host.glides.back(), (std::array<int, 3>{2, 1, 2}));
    EXPECT_EQ(t.s.PileCount[17], 2);
    t.s.Speed = 1;
    seen.clear();
    t.game.Press(34, MouseButton::Right, 10, 10); // fits no foundation: no glide at all
    t.game.DoubleClick(24);                       // nor anywhere else
    EXPECT_EQ(t.host.glides.size(), 2u);
    t.SetPile(1, {20, 21, 22, 23, 3});
    t.game.Press(3, MouseButton::Right, 10, 10);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(t.host.glides.back(), (std::array<int, 3>{3, 2, 0}));
    ExpectLiesOn(t, 3, 2);
}

TEST(Moves, AtTheSlowestSpeedAGlideTakes9998Positions) {
    EngineTable t;
    t.Deal(Arrangement().at(ColumnSlot(3, 6), 14).order());
    t.s.Speed = 100 * 100;
    const long before = t.surface.moveCount();
    t.game.Press(14, MouseButton::Right, 10, 10);
    EXPECT_EQ(t.host.processEventsCalls, 9998);
    EXPECT_EQ(t.surface.moveCount() - before, 9998 + 1); // and the landing
    EXPECT_EQ(t.s.PileOf[14], 17);
}

} // namespace
} // namespace zarn::test
