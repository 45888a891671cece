// The end of a game: 99 when all cards are home, No when no top card can go anywhere,
// Yes otherwise; the question afterwards and what its answers do.

#include "tests/game/Arrange.h"
#include "tests/game/EngineFixture.h"

#include <gtest/gtest.h>

namespace zarn::test {
namespace {

// Every column ends in a run down from the top, so the ace of clubs on column 8 starts
// a sweep that takes all 52 cards home.
TEST(GameEnd, ASweepThatTakesTheLastCardHomeWinsAndYesDealsAgain) {
    EngineTable t;
    t.Deal(Reversed());
    ASSERT_EQ(TopCard(t.s, 8), 1);
    t.Drag(1, 17);
    EXPECT_EQ(t.host.gameOvers, std::vector<bool>{true});
    EXPECT_EQ(t.host.glides.size(), 51u);
    // Yes: a new deal, and the sweep does not go on in it.
    EXPECT_EQ(t.s.MoveStatus, -1);
    for (int p = 17; p <= 20; ++p) {
        EXPECT_EQ(t.s.Piles[p], "");
        EXPECT_EQ(t.s.PileCount[p], 0);
    }
    for (int p = 1; p <= 8; ++p) EXPECT_EQ(t.s.Piles[p].size(), 24u);
    EXPECT_FALSE(t.game.Ended());
}

class LastCard : public ::testing::Test {
protected:
    EngineTable t;
    // Everything home but the king of spades, which lies alone on column 1.
    void SetUp() override {
        t.DealInOrder();
        t.ClearPiles();
        t.SetPile(17, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
        t.SetPile(18, {14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26});
        t.SetPile(19, {27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39});
        t.SetPile(20, {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51});
        t.SetPile(1, {52});
        t.s.AutoMove = No;
        t.host.answer = false;
    }
};

TEST_F(LastCard, ADroppedLastCardWins) {
    t.game.CheckGameEnd();
    EXPECT_EQ(t.s.MoveStatus, Yes);
    t.Drag(52, 20);
    EXPECT_EQ(t.s.MoveStatus, 99);
    EXPECT_EQ(t.host.gameOvers, std::vector<bool>{true});
    EXPECT_TRUE(t.game.Ended()) << "No ends the program";
}

TEST_F(LastCard, ADoubleClickedLastCardWins) {
    t.game.DoubleClick(52);
    EXPECT_EQ(t.s.PileCount[20], 13);
    EXPECT_EQ(t.s.MoveStatus, 99);
    EXPECT_EQ(t.host.gameOvers, std::vector<bool>{true});
}

TEST_F(LastCard, ARightButtonSendMakesNoEndCheck) {
    t.game.Press(52, MouseButton::Right, 10, 10);
    EXPECT_EQ(t.s.PileCount[20], 13);
    EXPECT_TRUE(t.host.gameOvers.empty());
    t.game.CheckGameEnd();
    EXPECT_EQ(t.s.MoveStatus, 99);
}

// Only odd ranks from three upwards are in sight, so no card ever fits another; the
// game is blocked when the fourth card from column 1 fills the last free cell.
TEST(GameEnd, FillingTheLastCellWithNothingLeftToPlayIsBlocked) {
    EngineTable t;
    t.Deal(Arrangement()
               .cells({Card(3, 'C'), Card(5, 'C'), Card(7, 'C'), Card(9, 'C')})
               .column(1, {Card(2, 'S'), Card(11, 'C'), Card(13, 'C'), Card(3, 'D'), Card(5, 'D'),
                           Card(7, 'D')})
               .at(ColumnSlot(2, 6), Card(9, 'D'))
               .at(ColumnSlot(3, 6), Card(11, 'D'))
               .at(ColumnSlot(4, 6), Card(13, 'D'))
               .at(ColumnSlot(5, 6), Card(3, 'H'))
               .at(ColumnSlot(6, 6), Card(5, 'H'))
               .at(ColumnSlot(7, 6), Card(7, 'H'))
               .at(ColumnSlot(8, 6), Card(9, 'H'))
               .order());
    t.host.answer = false;
    int cell = 13;
    for (int card : {Card(7, 'D'), Card(5, 'D'), Card(3, 'D')}) {
        t.Drag(card, cell++);
        EXPECT_EQ(t.s.MoveStatus, Yes) << "a free cell is still empty";
        EXPECT_TRUE(t.host.gameOvers.empty());
    }
    t.Drag(Card(13, 'C'), 16);
    EXPECT_EQ(t.s.PileOf[Card(13, 'C')], 16);
    EXPECT_EQ(t.s.MoveStatus, No);
    EXPECT_EQ(t.host.gameOvers, std::vector<bool>{false});
    EXPECT_TRUE(t.game.Ended());
    // After No nothing moves any more.
    t.game.DoubleClick(Card(9, 'H'));
    t.game.Press(Card(11, 'C'), MouseButton::Left, 10, 10);
    EXPECT_EQ(t.s.MovingCards[0], -1);
    EXPECT_EQ(t.host.gameOvers.size(), 1u);
}

TEST(GameEnd, OnlySingleTopCardsCountAsMovesLeft) {
    EngineTable t;
    // Column 1: the ten of hearts with the nine and eight of hearts on it; column 2
    // ends in the jack of hearts: the group could go there, its top card cannot.
    t.Deal(Arrangement()
               .cells({Card(3, 'C'), Card(5, 'C'), Card(7, 'C'), Card(9, 'C')})
               .column(1, {Card(2, 'S'), Card(11, 'C'), Card(13, 'C'), Card(10, 'H'), Card(9, 'H'),
                           Card(8, 'H')})
               .at(ColumnSlot(2, 6), Card(11, 'H'))
               .at(ColumnSlot(3, 6), Card(11, 'D'))
               .at(ColumnSlot(4, 6), Card(13, 'D'))
               .at(ColumnSlot(5, 6), Card(3, 'H'))
               .at(ColumnSlot(6, 6), Card(5, 'H'))
               .at(ColumnSlot(7, 6), Card(3, 'D'))
               .at(ColumnSlot(8, 6), Card(5, 'D'))
               .order());
    for (int p = 13; p <= 16; ++p) t.SetPile(p, {Card(2 * (p - 12) + 3, 'S')}); // 5, 7, 9, J
    t.game.CheckGameEnd();
    EXPECT_EQ(t.s.MoveStatus, No);
    t.SetPile(16, {});
    t.game.CheckGameEnd();
    EXPECT_EQ(t.s.MoveStatus, Yes);
}

} // namespace
} // namespace zarn::test
