// The double-click: foundations first, then the lowest column that takes the card,
// never a free cell; covered cards and cards that fit nowhere stay.

#include "tests/game/Arrange.h"
#include "tests/game/EngineFixture.h"

#include <gtest/gtest.h>

namespace zarn::test {
namespace {

TEST(DoubleClick, SendsToTheFirstFittingFoundationThenTheLowestColumn) {
    const int eightH = Card(8, 'H'), sevenH = Card(7, 'H'), aceC = Card(1, 'C'),
              twoS = Card(2, 'S'), aceS = Card(1, 'S'), kingS = Card(13, 'S');
    EngineTable t;
    t.Deal(Arrangement()
               .column(3, {32, 31, 30, 29, 28, 27}) // six down to the ace of hearts
               .column(5, {19, 18, 17, 16, 15, 14}) // six down to the ace of diamonds
               .at(ColumnSlot(1, 6), eightH)
               .at(ColumnSlot(2, 6), sevenH)
               .at(ColumnSlot(4, 6), aceC)
               .at(ColumnSlot(6, 6), twoS)
               .at(ColumnSlot(7, 6), aceS)
               .at(ColumnSlot(8, 6), kingS)
               .order());
    t.s.AutoMove = No;
    t.s.Speed = 9;

    for (int c = 27; c <= 32; ++c) t.game.DoubleClick(c);
    EXPECT_EQ(t.Cards(17), (std::vector<int>{27, 28, 29, 30, 31, 32}));
    EXPECT_EQ(t.host.glides.front(), (std::array<int, 3>{27, 69, 7}));
    EXPECT_EQ(t.host.glides.back(), (std::array<int, 3>{32, 31, 7}));
    for (int c = 14; c <= 19; ++c) t.game.DoubleClick(c);
    EXPECT_EQ(t.Cards(18), (std::vector<int>{14, 15, 16, 17, 18, 19}));
    t.game.DoubleClick(aceC);
    EXPECT_EQ(t.Cards(19), std::vector<int>{aceC});
    EXPECT_EQ(t.host.sizeCommandCalls.front(), false);
    EXPECT_TRUE(t.s.MovesList.empty());

    // The seven of hearts fits the foundation and column 1: the foundation wins.
    t.game.DoubleClick(sevenH);
    EXPECT_EQ(t.s.PileOf[sevenH], 17);
    EXPECT_EQ(t.s.PileCount[17], 7);
    // Double-clicked again it goes back to a column, onto the eight.
    const float eightLeft = t.surface.left(eightH), eightTop = t.surface.top(eightH);
    t.game.DoubleClick(sevenH);
    EXPECT_EQ(t.Cards(1).back(), sevenH);
    EXPECT_EQ(t.s.PileCount[17], 6);
    EXPECT_EQ(t.host.glides.back(), (std::array<int, 3>{sevenH, eightH, 7}));
    EXPECT_EQ(t.surface.left(sevenH), eightLeft);
    EXPECT_EQ(t.surface.top(sevenH), eightTop + t.s.FanStep);
    ASSERT_EQ(t.s.MovesList.size(), 3u);
    EXPECT_EQ(t.s.MovesList[0], "# 1");
    EXPECT_EQ(t.s.MovesList[1], "  1, 17,  1,");
    EXPECT_EQ(t.s.MovesList[2], " 33,");

    // A king with columns 3 and 5 empty goes to column 3, onto its marker.
    t.game.DoubleClick(kingS);
    EXPECT_EQ(t.s.PileOf[kingS], 3);
    EXPECT_EQ(t.surface.left(kingS), t.surface.left(55));
    EXPECT_EQ(t.surface.top(kingS), t.surface.top(55));
    EXPECT_EQ(t.s.MovesList[1], "  1,  8,  3,");

    // Fits nowhere (four cells are empty, but a double-click never fills one); a
    // covered card: nothing moves, nothing glides, nothing is recorded.
    const GameState before = t.s;
    const size_t glides = t.host.glides.size();
    t.game.DoubleClick(twoS);
    t.game.DoubleClick(t.Cards(1)[3]);
    t.game.DoubleClick(73); // an ace-reveal picture
    EXPECT_EQ(t.s.Piles, before.Piles);
    EXPECT_EQ(t.s.MovesList, before.MovesList);
    EXPECT_EQ(t.host.glides.size(), glides);
    EXPECT_EQ(t.s.MovingCards[0], -1);
    EXPECT_EQ(t.surface.left(twoS), t.s.CardHomeX[twoS]);
    EXPECT_EQ(t.surface.top(twoS), t.s.CardHomeY[twoS]);

    t.game.DoubleClick(aceS); // the last empty foundation
    EXPECT_EQ(t.Cards(20), std::vector<int>{aceS});
    EXPECT_TRUE(t.host.gameOvers.empty());
}

} // namespace
} // namespace zarn::test
