// Where a drop goes: the pile under the pressed card's corner (strict edges, later
// piles first, an empty pile's marker ends the search), and the drops that go back.

#include "tests/game/EngineFixture.h"

#include <gtest/gtest.h>

namespace zarn::test {
namespace {

class Drop : public ::testing::Test {
protected:
    EngineTable t;
    void SetUp() override {
        t.DealInOrder(); // cells: clubs A..4; column 1: clubs 5..10, column 2: J, Q, K of
                         // clubs, A, 2, 3 of diamonds; cells 13..16 empty
        t.s.AutoMove = No;
    }
    // Presses card (grab offset 10, 20), carries its corner exactly to (x, y) and drops
    // it on `dropOn` (normally the card itself).
    void DropCornerAt(int card, float x, float y, int dropOn = 0) {
        t.game.Press(card, MouseButton::Left, 10, 20);
        ASSERT_GT(t.s.MovingCards[0], 0) << "card " << card << " cannot be lifted";
        t.game.DragOverTable(x + 10, y + 20);
        ASSERT_EQ(t.surface.left(card), x);
        ASSERT_EQ(t.surface.top(card), y);
        t.game.Release();
        t.game.DropOnPicture(dropOn ? dropOn : card);
    }
    void ExpectAtHome(int card) {
        EXPECT_EQ(t.surface.left(card), t.s.CardHomeX[card]) << card;
        EXPECT_EQ(t.surface.top(card), t.s.CardHomeY[card]) << card;
    }
    void ExpectWentBack(const GameState& before, std::initializer_list<int> cards) {
        EXPECT_EQ(t.s.Piles, before.Piles);
        EXPECT_EQ(t.s.MovesList, before.MovesList);
        EXPECT_EQ(t.s.MovingCards[0], -1);
        for (int c : cards) ExpectAtHome(c);
    }
};

TEST_F(Drop, ACornerOnAnEdgeIsNotInside) {
    const float left = t.surface.left(65), top = t.surface.top(65); // empty cell 13
    const float W = t.s.CardWidth, H = t.s.CardHeight;
    const GameState before = t.s;
    for (auto [x, y] : {std::pair{left, top + 100},
                        {left + W, top + 100},
                        {left + 100, top},
                        {left + 100, top + H}}) {
        DropCornerAt(10, x, y);
        ExpectWentBack(before, {10});
        EXPECT_EQ(t.s.DragCard, 0);
    }
    EXPECT_TRUE(t.host.sizeCommandCalls.empty());
    DropCornerAt(10, left + 1, top + H - 1);
    EXPECT_EQ(t.Cards(13), std::vector<int>{10});
    EXPECT_EQ(t.host.sizeCommandCalls, std::vector<bool>{false});
}

TEST_F(Drop, TheLaterPileWinsUnlessAnEmptyPilesMarkerEndsTheSearch) {
    // At rest no two piles overlap; the ace on foundation 17 is laid over cell 13's
    // marker by hand so that one point lies in both.
    t.game.Press(1, MouseButton::Right, 10, 10);
    ASSERT_EQ(t.Cards(17), std::vector<int>{1});
    const float x = t.surface.left(65) + 500, y = t.surface.top(65) + 500;
    t.surface.move(1, x - 300, y - 300);
    EXPECT_EQ(t.game.PileAtPoint(x, y), 13) << "the marker of empty cell 13 ends the search";
    DropCornerAt(2, x, y); // the two of clubs would fit the foundation
    EXPECT_EQ(t.Cards(13), std::vector<int>{2});
    EXPECT_EQ(t.Cards(17), std::vector<int>{1});

    EXPECT_EQ(t.game.PileAtPoint(x, y), 17) << "now the card of cell 13 is overruled";
    DropCornerAt(2, x, y);
    EXPECT_EQ(t.Cards(17), (std::vector<int>{1, 2}));
    EXPECT_EQ(t.s.Piles[13], "");

    // Every card of a column counts, not only its top card.
    EXPECT_EQ(t.game.PileAtPoint(t.surface.left(5) + 1, t.surface.top(5) + 1), 1);
    EXPECT_EQ(t.game.PileAtPoint(t.surface.left(5) + 1, t.surface.top(5)), 0);
    EXPECT_EQ(t.game.PileAtPoint(t.s.CardHomeX[53] + t.s.CardWidth + 100, 4000), 0)
        << "between two columns";
}

TEST_F(Drop, DropsOnTheOwnPileOnTheTableOrIllegalOnesGoBack) {
    const GameState before = t.s;
    // A group whose corner lies inside its own column.
    DropCornerAt(9, t.surface.left(8) + 5, t.surface.top(8) + 5);
    ExpectWentBack(before, {9, 10});
    EXPECT_EQ(t.s.DragCard, 0);
    // Onto the three of diamonds: the nine of clubs does not fit.
    DropCornerAt(9, t.surface.left(16) + 5, t.surface.top(16) + 5);
    ExpectWentBack(before, {9, 10});
    // Onto an occupied cell.
    DropCornerAt(10, t.surface.left(4) + 5, t.surface.top(4) + 5);
    ExpectWentBack(before, {10});
    EXPECT_TRUE(t.host.sizeCommandCalls.empty());

    // Released over the bare table: the cards go home, the pressed card is still known
    // until the pointer moves over the table.
    t.game.Press(9, MouseButton::Left, 10, 20);
    t.game.DragOverTable(9000, 9000);
    t.game.Release();
    t.game.DropOnTable();
    ExpectWentBack(before, {9, 10});
    EXPECT_EQ(t.s.DragCard, 9);
    EXPECT_EQ(t.s.GrabX, 0);
    t.game.PointerOverTable();
    EXPECT_EQ(t.s.DragCard, 0);
}

TEST_F(Drop, TheDropIsResolvedWithThePressedCardWhicheverPictureIsUnderThePointer) {
    const float x = t.surface.left(66) + 200, y = t.surface.top(66) + 200; // cell 14
    DropCornerAt(9, x, y, 10); // the ten of clubs lies under the pointer
    EXPECT_EQ(t.Cards(14), std::vector<int>{9});
    EXPECT_EQ(t.Cards(13), std::vector<int>{10});
    ASSERT_EQ(t.s.MovesList.size(), 3u);
    EXPECT_EQ(t.s.MovesList[1], "  2,  1, 14,");
    EXPECT_EQ(t.s.MovesList[2], "  9, 10,");
    EXPECT_EQ(t.s.DragCard, 9) << "kept after a completed drop";
    EXPECT_EQ(t.s.MovingCards[0], -1);
    EXPECT_EQ(t.s.GrabX, 0);
    EXPECT_EQ(t.s.GrabY, 0);
}

} // namespace
} // namespace zarn::test
