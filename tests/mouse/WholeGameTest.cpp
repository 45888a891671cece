// Whole games played with the mouse from fixed dealing orders: one won by drags and
// double-clicks, one that ends blocked.
#include "MouseTest.h"

namespace zarn::test {
namespace {

const char Suits[] = "CDHS";

class WholeGameTest : public MouseTest {
protected:
    // Plays card onto its suit's foundation, by a drag or a double-click.
    void home(int card, bool byDrag) {
        const int foundation = 17 + (card - 1) / 13; // the aces go out clubs first
        if (byDrag)
            dragToPile(card, foundation);
        else
            dblClick(card);
        ASSERT_EQ(s().PileOf[card], foundation)
            << (byDrag ? "dragged " : "double-clicked ") << card;
    }
};

// Every column a suit in order: the low cards with the ace on top, the high cards with
// the eight on top; the sevens in the cells.
DealSpec OrderedDeal() {
    DealSpec d;
    for (int f = 0; f < 4; ++f) {
        d.cells[f] = Card(7, Suits[f]);
        for (int r = 6; r >= 1; --r) d.columnTops[f].push_back(Card(r, Suits[f]));
        for (int r = 13; r >= 8; --r) d.columnTops[4 + f].push_back(Card(r, Suits[f]));
    }
    return d;
}

TEST_F(WholeGameTest, AGameWonWithTheMouse) {
    start();
    window->speedFrame()->setValue(2); // short glides
    trigger("AutoMove");               // every card is played by hand
    const auto order = OrderedDeal().order();
    dealOrder(order);
    const ScoreRecord before = storedScores();

    // Clubs up to the seven, alternately dragged and double-clicked; column 1 is empty.
    for (int r = 1; r <= 6; ++r) home(Card(r, 'C'), r % 2 == 1);
    home(Card(7, 'C'), true); // from cell 9
    ASSERT_TRUE(cards(1).empty());
    EXPECT_FALSE(window->command(QStringLiteral("Decrease Card Size"))->isEnabled());

    // The king of clubs leads its run of six into the empty column; five cells are free.
    dragToPile(Card(13, 'C'), 1);
    ASSERT_EQ(cards(1).size(), 6u);
    EXPECT_TRUE(cards(5).empty());
    expectIdle();
    // Ten, nine and eight of spades spread over three free cells.
    dragToPile(Card(10, 'S'), 13);
    ASSERT_EQ(cards(13), std::vector<int>{Card(10, 'S')});
    ASSERT_EQ(cards(9), std::vector<int>{Card(9, 'S')});
    ASSERT_EQ(cards(14), std::vector<int>{Card(8, 'S')});
    expectIdle();

    for (char suit : {'D', 'H', 'S'})
        for (int r = 1; r <= 7; ++r) home(Card(r, suit), (r + suit) % 3 == 0);
    for (int r = 8; r <= 13; ++r) home(Card(r, 'C'), r % 2 == 0);
    for (int r = 8; r <= 13; ++r) home(Card(r, 'D'), r % 2 == 1);
    for (int r = 8; r <= 13; ++r) home(Card(r, 'H'), r % 3 == 0);
    EXPECT_TRUE(rec.gameOverTitles.empty());
    for (int r = 8; r <= 12; ++r) home(Card(r, 'S'), r % 2 == 0);
    EXPECT_TRUE(rec.gameOverTitles.empty()) << "one card to go";

    // The last card: the congratulations once, one win, and a new deal.
    dragToPile(Card(13, 'S'), 20);
    ASSERT_EQ(rec.gameOverTitles.size(), 1u);
    EXPECT_EQ(rec.gameOverTitles[0], QStringLiteral("CONGRATULATIONS - GAME COMPLETED"));
    const ScoreRecord after = storedScores();
    EXPECT_EQ(after.Won, before.Won + 1);
    EXPECT_EQ(after.Lost, before.Lost);
    EXPECT_NE(std::vector<i16>(s().SavedDeck.begin() + 1, s().SavedDeck.begin() + 53),
              std::vector<i16>(order.begin(), order.end()))
        << "dealt anew";
    for (int p = 1; p <= 8; ++p) EXPECT_EQ(cards(p).size(), 6u) << p;
    for (int p = 9; p <= 16; ++p) EXPECT_EQ(cards(p).size(), p <= 12 ? 1u : 0u) << p;
    for (int p = 17; p <= 20; ++p) EXPECT_TRUE(cards(p).empty()) << p;
    EXPECT_TRUE(s().MovesList.empty());
    EXPECT_FALSE(window->command(QStringLiteral("Increase Card Size"))->isEnabled())
        << "left as it was; only Deal Again and Reset Positions turn it on";
    EXPECT_EQ(rec.endProgramCalls, 0);
    expectIdle();
}

// Twos in the cells, fours on sixes in columns 1 to 4, eights on top of columns 5 to 8:
// once the fours fill the last four cells no card can go anywhere.
DealSpec BlockingDeal() {
    DealSpec d;
    for (int f = 0; f < 4; ++f) {
        d.cells[f] = Card(2, Suits[f]);
        d.columnTops[f] = {Card(6, Suits[f]), Card(4, Suits[f])};
        d.columnTops[4 + f] = {Card(8, Suits[f])};
    }
    return d;
}

TEST_F(WholeGameTest, AGameThatEndsBlocked) {
    start();
    fastGlides();
    const auto order = BlockingDeal().order();
    dealOrder(order);
    const ScoreRecord before = storedScores();
    for (int f = 0; f < 3; ++f) {
        dragToPile(Card(4, Suits[f]), 13 + f);
        ASSERT_EQ(cards(13 + f), std::vector<int>{Card(4, Suits[f])});
        EXPECT_TRUE(rec.gameOverTitles.empty()) << "a cell is still free";
    }
    // The last free cell takes the four of spades, and nothing is left to do.
    dragToPile(Card(4, 'S'), 16);
    ASSERT_EQ(rec.gameOverTitles.size(), 1u);
    EXPECT_EQ(rec.gameOverTitles[0], QStringLiteral("SORRY, NO MORE MOVES LEFT !"));
    const ScoreRecord after = storedScores();
    EXPECT_EQ(after.Lost, before.Lost + 1);
    EXPECT_EQ(after.Won, before.Won);
    // Yes: a new deal.
    EXPECT_NE(std::vector<i16>(s().SavedDeck.begin() + 1, s().SavedDeck.begin() + 53),
              std::vector<i16>(order.begin(), order.end()));
    for (int p = 13; p <= 16; ++p) EXPECT_TRUE(cards(p).empty()) << p;
    expectIdle();
}

} // namespace
} // namespace zarn::test
