// Which cards a press may lift: a top card always, any group the empty cells can hold,
// and an ordered run one card longer when some column takes it right now.

#include "tests/game/EngineFixture.h"

#include <gtest/gtest.h>

namespace zarn::test {
namespace {

class Lift : public ::testing::Test {
protected:
    EngineTable t;
    void SetUp() override {
        t.DealInOrder();
        t.ClearPiles();
    }
    // Leaves `empty` cells empty and fills the others with clubs that play no part.
    void EmptyCells(int empty) {
        static const int filler[] = {6, 7, 8, 9, 10, 11, 1, 2};
        for (int p = 9; p <= 16; ++p) t.SetPile(p, {});
        for (int i = 0; i < 8 - empty; ++i) t.SetPile(9 + i, {filler[i]});
    }
    std::vector<int> Lifted(int card) {
        const auto piles = t.s.Piles;
        PickUpCards(t.s, card);
        EXPECT_EQ(t.s.Piles, piles) << "a lift changes no pile";
        std::vector<int> out;
        for (int i = 1; i <= t.s.MovingCards[0]; ++i) out.push_back(t.s.MovingCards[i]);
        return out;
    }
    bool Refused(int card) { return Lifted(card).empty() && t.s.MovingCards[0] == -1; }
};

const int NineS = Card(9, 'S'), EightH = Card(8, 'H'), SevenS = Card(7, 'S'), SixD = Card(6, 'D'),
          TenS = Card(10, 'S');

TEST_F(Lift, ATopCardIsAlwaysLiftedAndAMiddleCardTakesTheCardsOnIt) {
    EmptyCells(0);
    t.SetPile(3, {Card(2, 'H'), Card(13, 'D'), Card(4, 'S')});
    EXPECT_EQ(Lifted(Card(4, 'S')), std::vector<int>{Card(4, 'S')});
    EmptyCells(2);
    EXPECT_EQ(Lifted(Card(13, 'D')), (std::vector<int>{Card(13, 'D'), Card(4, 'S')}));
    EmptyCells(3);
    EXPECT_EQ(Lifted(Card(2, 'H')), (std::vector<int>{Card(2, 'H'), Card(13, 'D'), Card(4, 'S')}));
}

TEST_F(Lift, AnyGroupTheEmptyCellsCanHoldIsLiftedOutOfOrder) {
    const int a = Card(5, 'C'), b = Card(12, 'H'), c = Card(2, 'D');
    t.SetPile(6, {Card(13, 'S'), a, b, c});
    EmptyCells(3);
    EXPECT_EQ(Lifted(a), (std::vector<int>{a, b, c}));
    EmptyCells(2);
    EXPECT_TRUE(Refused(a));
    EXPECT_EQ(Lifted(b), (std::vector<int>{b, c}));
}

TEST_F(Lift, AnOrderedRunOneLongerThanTheEmptyCellsNeedsAColumnThatTakesIt) {
    t.SetPile(1, {Card(3, 'C'), NineS, EightH, SevenS});
    EmptyCells(2);
    EXPECT_TRUE(Refused(NineS)) << "no column takes the nine of spades";
    t.SetPile(5, {Card(10, 'H')});
    EXPECT_TRUE(Refused(NineS)) << "a ten of another suit";
    t.SetPile(7, {TenS});
    EXPECT_EQ(Lifted(NineS), (std::vector<int>{NineS, EightH, SevenS}));
    // One card more than that is refused even though the column takes it.
    t.SetPile(1, {NineS, EightH, SevenS, SixD});
    EXPECT_TRUE(Refused(NineS));
    // And an unordered group of E + 1 is refused.
    t.SetPile(1, {NineS, EightH, Card(6, 'S')});
    EXPECT_TRUE(Refused(NineS));
}

TEST_F(Lift, EmptyColumnsDoNotRaiseTheLimit) {
    t.SetPile(1, {NineS, EightH, SevenS});
    t.SetPile(7, {TenS});
    EmptyCells(1); // columns 2..6 and 8 are empty
    EXPECT_TRUE(Refused(NineS));
    t.SetPile(1, {NineS, EightH});
    EXPECT_EQ(Lifted(NineS), (std::vector<int>{NineS, EightH}));
}

TEST_F(Lift, TheColumnSearchLooksAtColumnsOnly) {
    t.SetPile(1, {NineS, EightH});
    EmptyCells(0);
    t.SetPile(9, {TenS}); // a ten of spades in a cell does not count
    EXPECT_TRUE(Refused(NineS));
    t.SetPile(9, {});
    t.SetPile(20, {40, 41, 42, 43, 44, 45, 46, 47}); // ace to eight of spades home
    t.SetPile(16, {TenS});
    EmptyCells(0);
    EXPECT_TRUE(Refused(NineS));
    // A king-led run needs an empty column.
    t.SetPile(1, {Card(13, 'D'), Card(12, 'C')});
    for (int p = 2; p <= 8; ++p) t.SetPile(p, {Card(p, 'H')});
    EmptyCells(1);
    EXPECT_TRUE(Refused(Card(13, 'D')));
    t.SetPile(4, {});
    EXPECT_EQ(Lifted(Card(13, 'D')), (std::vector<int>{Card(13, 'D'), Card(12, 'C')}));
}

TEST_F(Lift, NineCardsIsTheLargestGroup) {
    EmptyCells(8);
    // King to five of diamonds, with an empty column for the king.
    t.SetPile(2, {Card(1, 'S'), 26, 25, 24, 23, 22, 21, 20, 19, 18});
    EXPECT_EQ(Lifted(26).size(), 9u) << "a run of E + 1 for an empty column";
    EXPECT_EQ(Lifted(25).size(), 8u) << "queen to five: the eight empty cells hold them";
    // Down to the four: ten cards from the king, nine from the queen with no column for it.
    t.SetPile(2, {Card(1, 'S'), 26, 25, 24, 23, 22, 21, 20, 19, 18, 17});
    EXPECT_TRUE(Refused(26));
    EXPECT_TRUE(Refused(25));
    EXPECT_EQ(Lifted(24).size(), 8u);
    // Nine cards out of order.
    t.SetPile(2, {Card(1, 'S'), 26, 25, 24, 23, 22, 21, 20, 19, Card(3, 'C')});
    EXPECT_TRUE(Refused(26));
}

} // namespace
} // namespace zarn::test
