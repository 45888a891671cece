// Where a single card or a group may go: the single-card table row by row and the
// group rule, through TestMove's verdict in MoveStatus.

#include "tests/game/EngineFixture.h"

#include <gtest/gtest.h>

namespace zarn::test {
namespace {

class MoveRules : public ::testing::Test {
protected:
    EngineTable t;
    void SetUp() override {
        t.DealInOrder();
        t.ClearPiles();
    }
    // The verdict for a single card, with MoveStatus first set to the opposite so that
    // a test that leaves it alone is caught.
    bool Single(int card, int pile) {
        HoldSingle(t.s, card);
        return Verdict(card, pile);
    }
    bool Group(std::initializer_list<int> cards, int pile) {
        t.s.MovingCards[0] = static_cast<i16>(cards.size());
        int i = 0;
        for (int c : cards) t.s.MovingCards[++i] = static_cast<i16>(c);
        return Verdict(*cards.begin(), pile);
    }
    bool Verdict(int card, int pile) {
        t.s.MoveStatus = 7;
        TestMove(t.s, card, pile);
        EXPECT_TRUE(t.s.MoveStatus == Yes || t.s.MoveStatus == No) << t.s.MoveStatus;
        return t.s.MoveStatus == Yes;
    }
    static int Rank(int card) { return (card - 1) % 13 + 1; }
    static int Suit(int card) { return (card - 1) / 13; }
};

TEST_F(MoveRules, AnEmptyColumnTakesOnlyAKingAndAnEmptyFoundationOnlyAnAce) {
    for (int card = 1; card <= 52; ++card) {
        EXPECT_EQ(Single(card, 3), Rank(card) == 13) << "card " << card;
        EXPECT_EQ(Single(card, 19), Rank(card) == 1) << "card " << card;
    }
}

TEST_F(MoveRules, AnOccupiedColumnTakesTheSameSuitOneLower) {
    for (int top = 1; top <= 52; ++top) {
        t.SetPile(5, {top});
        for (int card = 1; card <= 52; ++card) {
            if (card == top) continue;
            const bool fits = Suit(card) == Suit(top) && Rank(top) == Rank(card) + 1;
            EXPECT_EQ(Single(card, 5), fits) << "card " << card << " on " << top;
        }
    }
}

TEST_F(MoveRules, AnOccupiedFoundationTakesTheSameSuitOneHigher) {
    for (int top = 1; top <= 52; ++top) {
        t.SetPile(18, {top});
        for (int card = 1; card <= 52; ++card) {
            if (card == top) continue;
            const bool fits = Suit(card) == Suit(top) && Rank(top) == Rank(card) - 1;
            EXPECT_EQ(Single(card, 18), fits) << "card " << card << " on " << top;
        }
    }
}

TEST_F(MoveRules, AnEmptyCellTakesAnyCardAndAnOccupiedOneNone) {
    t.SetPile(12, {Card(7, 'H')});
    for (int card = 1; card <= 52; ++card) {
        EXPECT_TRUE(Single(card, 9)) << card;
        EXPECT_TRUE(Single(card, 16)) << card;
        if (card != Card(7, 'H')) {
            EXPECT_FALSE(Single(card, 12)) << card;
        }
    }
}

TEST_F(MoveRules, TheFiveOfHearts) {
    const int five = Card(5, 'H');
    t.SetPile(2, {Card(6, 'H')});
    t.SetPile(4, {Card(6, 'D')});
    t.SetPile(20, {Card(1, 'H'), Card(2, 'H'), Card(3, 'H'), Card(4, 'H')});
    EXPECT_TRUE(Single(five, 2));
    EXPECT_FALSE(Single(five, 4));
    EXPECT_TRUE(Single(five, 20));
    // With no group lifted the single-card rule applies as well.
    t.s.MovingCards[0] = -1;
    EXPECT_TRUE(Verdict(five, 2));
    EXPECT_FALSE(Verdict(five, 4));
}

TEST_F(MoveRules, AMarkerIsNeverLegal) {
    for (int marker = 53; marker <= 72; ++marker)
        for (int pile = 1; pile <= 20; ++pile) {
            EXPECT_FALSE(Single(marker, pile)) << marker << " on " << pile;
            EXPECT_FALSE(Group({marker, 1}, pile)) << marker << " on " << pile;
        }
}

TEST_F(MoveRules, AGroupGoesToAnEmptyCellWhenThereAreEnoughEmptyCellsInAnyOrder) {
    const int a = Card(5, 'C'), b = Card(12, 'H'), c = Card(2, 'D');
    // Eight empty cells.
    EXPECT_TRUE(Group({a, b, c}, 9));
    EXPECT_TRUE(Group({a, b, c}, 16));
    t.SetPile(9, {Card(1, 'S')});
    t.SetPile(10, {Card(2, 'S')});
    t.SetPile(11, {Card(3, 'S')});
    t.SetPile(12, {Card(4, 'S')});
    t.SetPile(13, {Card(5, 'S')}); // three empty: 14, 15, 16
    EXPECT_TRUE(Group({a, b, c}, 15));
    EXPECT_FALSE(Group({a, b, c}, 13)) << "an occupied cell";
    t.SetPile(14, {Card(6, 'S')}); // two empty
    EXPECT_FALSE(Group({a, b, c}, 15));
    EXPECT_TRUE(Group({a, b}, 15));
}

TEST_F(MoveRules, AGroupNeverGoesToAFoundation) {
    EXPECT_FALSE(Group({Card(1, 'C'), Card(2, 'C')}, 17));
    t.SetPile(18, {Card(1, 'D')});
    EXPECT_FALSE(Group({Card(2, 'D'), Card(1, 'C')}, 18));
    EXPECT_FALSE(Group({Card(13, 'S'), Card(12, 'S')}, 20));
}

TEST_F(MoveRules, AGroupGoesToAColumnAsARunByRankLedByAFittingCard) {
    int cell = 9; // every cell full, with clubs that play no part below
    for (int c : {1, 2, 3, 4, 5, 6, 8, 9}) t.SetPile(cell++, {c});
    t.SetPile(2, {Card(10, 'S')});
    t.SetPile(4, {Card(10, 'H')});
    const int nine = Card(9, 'S');
    // Ranks alone decide inside the group; no empty cell is asked for here.
    EXPECT_TRUE(Group({nine, Card(8, 'H'), Card(7, 'C'), Card(6, 'D')}, 2));
    EXPECT_FALSE(Group({nine, Card(8, 'H'), Card(7, 'C'), Card(6, 'D')}, 4));
    EXPECT_FALSE(Group({nine, Card(7, 'H')}, 2)) << "a gap in the ranks";
    EXPECT_FALSE(Group({nine, Card(8, 'H'), Card(9, 'C')}, 2)) << "ranks going up";
    // An empty column takes a run led by a king, and nothing else.
    EXPECT_TRUE(Group({Card(13, 'D'), Card(12, 'S')}, 6));
    EXPECT_FALSE(Group({Card(12, 'D'), Card(11, 'D')}, 6));
    EXPECT_FALSE(Group({Card(13, 'D'), Card(11, 'D')}, 6));
}

} // namespace
} // namespace zarn::test
