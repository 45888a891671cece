// The history lines every move leaves, and undo: each entry taken back newest first,
// the cards placed back on their source pile by undo's own rule.

#include "tests/game/Arrange.h"
#include "tests/game/EngineFixture.h"

#include <gtest/gtest.h>

namespace zarn::test {
namespace {

using Lines = std::deque<std::string>;

void ExpectLiesAt(const EngineTable& t, int card, float left, float top) {
    EXPECT_EQ(t.surface.left(card), left) << "card " << card;
    EXPECT_EQ(t.surface.top(card), top) << "card " << card;
    EXPECT_EQ(t.s.CardHomeX[card], RoundEven(left)) << "card " << card;
    EXPECT_EQ(t.s.CardHomeY[card], RoundEven(top)) << "card " << card;
}

TEST(Undo, WalksBackNewestFirstAndNeverLowersTheMoveNumber) {
    EngineTable t;
    t.DealInOrder();
    t.s.AutoMove = No;
    const GameState dealt = t.s;
    t.game.UndoLastMove(); // nothing to undo
    EXPECT_EQ(t.s.Piles, dealt.Piles);
    EXPECT_EQ(t.s.CardHomeY, dealt.CardHomeY);

    t.Drag(10, 13); // the ten of clubs from column 1 to a cell
    t.Drag(16, 14); // the three of diamonds from column 2 to a cell
    EXPECT_EQ(t.s.MovesList, (Lines{"# 2", "  1,  2, 14,", " 16,", "# 1", "  1,  1, 13,", " 10,"}));
    EXPECT_EQ(t.s.MoveCount, 2);

    t.game.UndoLastMove();
    EXPECT_EQ(t.s.MovesList, (Lines{"# 1", "  1,  1, 13,", " 10,"}));
    EXPECT_EQ(t.Cards(2), (std::vector<int>{11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(t.s.Piles[14], "");
    // One fan step below the two of diamonds: the moves' spacing, not the deal's.
    ExpectLiesAt(t, 16, t.surface.left(15), t.surface.top(15) + t.s.FanStep);
    EXPECT_NE(t.s.CardHomeY[16], dealt.CardHomeY[16]);

    t.game.UndoLastMove();
    EXPECT_TRUE(t.s.MovesList.empty());
    EXPECT_EQ(t.s.Piles, dealt.Piles);
    EXPECT_EQ(t.s.PileOf, dealt.PileOf);
    EXPECT_EQ(t.s.MoveCount, 2);
    t.game.UndoLastMove();
    EXPECT_EQ(t.s.Piles, dealt.Piles);

    t.Drag(10, 15);
    EXPECT_EQ(t.s.MovesList, (Lines{"# 3", "  1,  1, 15,", " 10,"}));

    // A card that leaves a cell comes back exactly onto the cell's marker.
    t.Drag(1, 16);
    t.game.UndoLastMove();
    EXPECT_EQ(t.Cards(9), std::vector<int>{1});
    ExpectLiesAt(t, 1, t.surface.left(61), t.surface.top(61));

    // A foundation move empties the history, and undo then does nothing.
    t.game.Press(1, MouseButton::Right, 10, 10);
    EXPECT_TRUE(t.s.MovesList.empty());
    EXPECT_EQ(t.s.MoveCount, 0);
    const GameState home = t.s;
    t.game.UndoLastMove();
    EXPECT_EQ(t.s.Piles, home.Piles);
    EXPECT_EQ(t.s.PileCount, home.PileCount);
    t.Drag(2, 9);
    EXPECT_EQ(t.s.MovesList, (Lines{"# 1", "  1, 10,  9,", "  2,"}));
}

TEST(Undo, AGroupGoesBackFannedBelowTheSourcesNewTopWithItsTopCardFrontmost) {
    const int nineH = Card(9, 'H'), eightH = Card(8, 'H'), sevenH = Card(7, 'H');
    EngineTable t;
    t.Deal(HeartsRunBesideItsTen());
    t.s.AutoMove = No;
    t.Drag(nineH, 5);
    EXPECT_EQ(t.s.MovesList, (Lines{"# 1", "  3,  2,  5,", " 35, 34, 33,"}));
    ASSERT_EQ(t.s.Piles[5].size(), 36u);
    t.Drag(22, 13); // the new top of column 2 goes to a cell and comes back
    t.game.UndoLastMove();
    const float left = t.surface.left(22), top = t.surface.top(22);
    t.game.UndoLastMove();
    EXPECT_EQ(t.Cards(2), (std::vector<int>{20, 21, 22, nineH, eightH, sevenH}));
    EXPECT_EQ(t.s.Piles[5].size(), 24u);
    EXPECT_EQ(t.s.PileCount[5], 6);
    EXPECT_EQ(t.s.PileCount[2], 6);
    const int fan = t.s.FanStep;
    ExpectLiesAt(t, nineH, left, top + fan);
    ExpectLiesAt(t, eightH, left, top + 2 * fan);
    ExpectLiesAt(t, sevenH, left, top + 3 * fan);
    const auto& order = t.surface.drawingOrder();
    EXPECT_EQ(std::vector<int>(order.end() - 3, order.end()),
              (std::vector<int>{nineH, eightH, sevenH}));
    ExpectEachCardOnce(t);
}

TEST(Undo, AColumnEmptiedByTheMoveGetsItsFirstCardBackOnTheMarker) {
    EngineTable t;
    t.Deal(Arrangement().column(1, {Card(9, 'H'), 5, 4, 3, 2, 1}).order());
    t.s.AutoMove = No;
    for (int club = 1; club <= 5; ++club) t.game.Press(club, MouseButton::Right, 10, 10);
    ASSERT_EQ(t.Cards(1), std::vector<int>{Card(9, 'H')});
    t.Drag(Card(9, 'H'), 13);
    ASSERT_EQ(t.s.Piles[1], "");
    t.game.UndoLastMove();
    EXPECT_EQ(t.Cards(1), std::vector<int>{Card(9, 'H')});
    ExpectLiesAt(t, Card(9, 'H'), t.surface.left(53), t.surface.top(53));
    EXPECT_EQ(t.s.Piles[13], "");
    EXPECT_EQ(t.s.PileCount[17], 5);
}

class SpreadUndo : public ::testing::Test {
protected:
    const int g1 = Card(2, 'S'), g2 = Card(11, 'C'), g3 = Card(8, 'D');
    EngineTable t;
    void SetUp() override {
        // Column 4 ends in the two and ace of hearts.
        t.Deal(Arrangement()
                   .column(6, {1, 2, 3, g1, g2, g3})
                   .at(ColumnSlot(4, 5), 28)
                   .at(ColumnSlot(4, 6), 27)
                   .order());
        t.s.AutoMove = No;
        t.Drag(27, 14); // cells 13, 15, 16 stay empty
        t.Drag(g1, 15); // spread over 15, 13, 16
        ASSERT_EQ(t.s.StopoverCells, " 15, 13, 16,");
        ASSERT_EQ(t.s.MovesList[1], "  3,  6, 15,");
    }
    void ExpectGroupBackOnColumn6() {
        EXPECT_EQ(t.Cards(6), (std::vector<int>{1, 2, 3, g1, g2, g3}));
        for (int p : {13, 15, 16}) EXPECT_EQ(t.s.Piles[p], "") << p;
        EXPECT_EQ(t.s.StopoverCells, "");
        const float left = t.surface.left(3), top = t.surface.top(3);
        ExpectLiesAt(t, g1, left, top + t.s.FanStep);
        ExpectLiesAt(t, g3, left, top + 3 * t.s.FanStep);
        ExpectEachCardOnce(t);
    }
};

TEST_F(SpreadUndo, TheLatestSpreadEmptiesItsCells) {
    t.game.UndoLastMove();
    ExpectGroupBackOnColumn6();
    EXPECT_EQ(t.Cards(14), std::vector<int>{27});
}

TEST_F(SpreadUndo, AnOlderSpreadComesBackAfterALaterMove) {
    t.Drag(27, 4); // back from cell 14 onto the two: a plain move after the spread
    ASSERT_EQ(t.s.StopoverCells, "");
    t.game.UndoLastMove();
    EXPECT_EQ(t.Cards(14), std::vector<int>{27});
    t.game.UndoLastMove();
    ExpectGroupBackOnColumn6();
    EXPECT_EQ(t.s.MovesList, (Lines{"# 1", "  1,  4, 14,", " 27,"}));
    t.game.UndoLastMove();
    EXPECT_EQ(t.Cards(4).back(), 27);
    ExpectEachCardOnce(t);
}

TEST(Undo, ACardBroughtBackFromAFoundationReturnsOntoItAndTheWinStillCounts) {
    EngineTable t;
    t.DealInOrder();
    t.ClearPiles();
    t.SetPile(17, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    t.SetPile(18, {14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26});
    t.SetPile(19, {27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39});
    t.SetPile(20, {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50});
    t.SetPile(1, {52, 51}); // king and queen of spades
    t.s.AutoMove = No;
    t.host.answer = false;
    t.game.DoubleClick(50); // the jack of spades back onto the queen
    ASSERT_EQ(t.s.PileOf[50], 1);
    EXPECT_EQ(t.s.PileCount[20], 10);
    EXPECT_EQ(t.s.MovesList, (Lines{"# 1", "  1, 20,  1,", " 50,"}));
    t.game.UndoLastMove();
    EXPECT_EQ(t.Cards(20).back(), 50);
    EXPECT_EQ(t.s.PileCount[20], 11);
    EXPECT_EQ(t.Cards(1), (std::vector<int>{52, 51}));
    ExpectLiesAt(t, 50, t.surface.left(49), t.surface.top(49));
    t.game.DoubleClick(51);
    t.game.DoubleClick(52);
    EXPECT_EQ(t.s.MoveStatus, 99);
    EXPECT_EQ(t.host.gameOvers, std::vector<bool>{true});
}

} // namespace
} // namespace zarn::test
