// The deal: which card goes where, what the piles hold afterwards, and the same deal
// laid out again by "Reset Positions".

#include "tests/game/Arrange.h"
#include "tests/game/EngineFixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zarn::test {
namespace {

int DrawingIndex(const InMemorySurface& surface, int picture) {
    const auto& order = surface.drawingOrder();
    return static_cast<int>(std::find(order.begin(), order.end(), picture) - order.begin());
}

void ExpectEveryCardInTheOnePileItsPileOfNames(const EngineTable& t) {
    std::array<int, 53> seen{};
    for (int p = 0; p <= 20; ++p)
        for (int c : t.Cards(p)) {
            ASSERT_TRUE(c >= 1 && c <= 52) << "pile " << p;
            ++seen[c];
            EXPECT_EQ(t.s.PileOf[c], p) << "card " << c;
        }
    for (int c = 1; c <= 52; ++c) EXPECT_EQ(seen[c], 1) << "card " << c;
    for (int p = 1; p <= 20; ++p) EXPECT_EQ(t.s.PileOf[52 + p], p);
}

TEST(Deal, FourCardsGoToTheUpperCellsAndSixToEachColumnInDealingOrder) {
    EngineTable t;
    t.Deal(Reversed()); // Deck(i) = 53 - i
    const GameState& s = t.s;
    for (int k = 1; k <= 4; ++k) {
        const int cell = 8 + k, card = 53 - k;
        EXPECT_EQ(t.Cards(cell), std::vector<int>{card});
        // exactly on the cell's marker
        EXPECT_EQ(t.surface.left(card), t.surface.left(MarkerOf(cell)));
        EXPECT_EQ(t.surface.top(card), t.surface.top(MarkerOf(cell)));
        EXPECT_EQ(s.CardHomeX[card], s.CardHomeX[MarkerOf(cell)]);
        EXPECT_EQ(s.CardHomeY[card], s.CardHomeY[MarkerOf(cell)]);
    }
    EXPECT_EQ(t.Cards(1), (std::vector<int>{48, 47, 46, 45, 44, 43})); // Deck(5..10)
    EXPECT_EQ(t.Cards(8), (std::vector<int>{6, 5, 4, 3, 2, 1}));       // Deck(47..52)
    for (int p = 1; p <= 8; ++p) {
        EXPECT_EQ(s.Piles[p].size(), 24u) << p;
        EXPECT_EQ(s.PileCount[p], 6) << p;
        const auto cards = t.Cards(p);
        for (int r = 0; r < 6; ++r) {
            EXPECT_EQ(cards[r], s.Deck[4 + 6 * (p - 1) + r + 1]);
            EXPECT_EQ(s.CardHomeX[cards[r]], s.CardHomeX[MarkerOf(p)]);
            if (r > 0) {
                EXPECT_GT(s.CardHomeY[cards[r]], s.CardHomeY[cards[r - 1]]);
                EXPECT_GT(DrawingIndex(t.surface, cards[r]), DrawingIndex(t.surface, cards[r - 1]))
                    << "each dealt card covers the one before";
            }
        }
    }
    for (int p = 9; p <= 12; ++p) EXPECT_EQ(s.Piles[p].size(), 4u);
    for (int p = 13; p <= 20; ++p) {
        EXPECT_EQ(s.Piles[p], "") << p;
        EXPECT_EQ(s.PileCount[p], 0) << p;
    }
    EXPECT_EQ(s.Piles[0], "");
    for (int i = 1; i <= 72; ++i) EXPECT_TRUE(t.surface.isVisible(i)) << i;
    for (int i = 73; i <= 76; ++i) EXPECT_FALSE(t.surface.isVisible(i)) << i;
    ExpectEveryCardInTheOnePileItsPileOfNames(t);
    EXPECT_EQ(s.MoveCount, 0);
    EXPECT_TRUE(s.MovesList.empty());
    EXPECT_EQ(s.MoveStatus, -1);
}

TEST(Deal, ANewGameShufflesEveryCardOnceAndStartsAfresh) {
    EngineTable t(7);
    t.DealInOrder();
    t.s.AutoMove = No;
    t.Drag(10, 13);
    ASSERT_EQ(t.s.MovesList.size(), 3u);
    t.game.NewGame();
    const GameState& s = t.s;
    std::array<int, 53> seen{};
    for (int i = 1; i <= 52; ++i) ++seen[s.Deck[i]];
    for (int c = 1; c <= 52; ++c) EXPECT_EQ(seen[c], 1) << c;
    for (int i = 53; i <= 72; ++i) EXPECT_EQ(s.Deck[i], i);
    for (int i = 1; i <= 72; ++i) EXPECT_EQ(s.SavedDeck[i], s.Deck[i]);
    EXPECT_EQ(s.MoveStatus, -1);
    EXPECT_TRUE(s.MovesList.empty());
    EXPECT_EQ(s.MoveCount, 0);
    EXPECT_EQ(s.GrabX, 0);
    EXPECT_EQ(s.GrabY, 0);
    for (int p = 13; p <= 20; ++p) EXPECT_EQ(s.Piles[p], "");
    ExpectEveryCardInTheOnePileItsPileOfNames(t);
    EXPECT_EQ(t.Cards(9), std::vector<int>{s.Deck[1]});
    EXPECT_EQ(t.Cards(8).back(), s.Deck[52]);
}

TEST(Deal, ResetPositionsAfterMovesLaysTheSameDealOutFromItsStart) {
    EngineTable t;
    t.DealInOrder();
    const GameState dealt = t.s;
    std::array<std::pair<float, float>, 73> where{};
    for (int i = 1; i <= 72; ++i) where[i] = {t.surface.left(i), t.surface.top(i)};

    // The ten of clubs to a cell, then the sweep sends the four clubs in the cells and
    // the ace of spades home; then the nine of clubs goes to another cell.
    t.Drag(10, 13);
    ASSERT_EQ(t.s.PileCount[17] + t.s.PileCount[18], 5);
    t.Drag(9, 14);
    ASSERT_EQ(t.s.MovesList.size(), 3u);

    RestartDeal(t.s, t.surface);
    const GameState& s = t.s;
    EXPECT_EQ(s.Piles, dealt.Piles);
    EXPECT_EQ(s.PileOf, dealt.PileOf);
    EXPECT_EQ(s.CardHomeX, dealt.CardHomeX);
    EXPECT_EQ(s.CardHomeY, dealt.CardHomeY);
    for (int p = 1; p <= 20; ++p) EXPECT_EQ(s.PileCount[p], dealt.PileCount[p]) << p;
    for (int i = 1; i <= 72; ++i) {
        EXPECT_EQ(t.surface.left(i), where[i].first) << i;
        EXPECT_EQ(t.surface.top(i), where[i].second) << i;
    }
    EXPECT_TRUE(s.MovesList.empty());
    EXPECT_EQ(s.MoveCount, 0);
    EXPECT_EQ(s.MovingCards[0], -1);
    EXPECT_EQ(s.StopoverCells, "");
    ExpectEveryCardInTheOnePileItsPileOfNames(t);
}

} // namespace
} // namespace zarn::test
