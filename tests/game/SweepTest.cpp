// The sweep after a move: pass after pass over piles 1..16, each fitting top card sent
// home with a glide; a card uncovered in a pass waits for the next one.

#include "tests/game/Arrange.h"
#include "tests/game/EngineFixture.h"

#include <gtest/gtest.h>

namespace zarn::test {
namespace {

// Column 1 ends in four, two of clubs; column 2 in three, ace of clubs; column 3 in two,
// ace of diamonds. The other places get the remaining cards in order, and cells 9..12
// the four black tens to kings that fit nowhere early.
std::array<i16, 52> Chains() {
    return Arrangement()
        .cells({Card(13, 'S'), Card(12, 'S'), Card(11, 'S'), Card(10, 'S')})
        .at(ColumnSlot(1, 5), Card(4, 'C'))
        .at(ColumnSlot(1, 6), Card(2, 'C'))
        .at(ColumnSlot(2, 5), Card(3, 'C'))
        .at(ColumnSlot(2, 6), Card(1, 'C'))
        .at(ColumnSlot(3, 5), Card(2, 'D'))
        .at(ColumnSlot(3, 6), Card(1, 'D'))
        .order();
}

TEST(Sweep, SendsEveryFittingTopCardPassByPass) {
    EngineTable t;
    t.Deal(Chains());
    ASSERT_EQ(TopCard(t.s, 8), Card(9, 'S'));
    std::vector<size_t> passStarts; // glides sent before each pass began
    t.host.onProcessEvents = [&] { passStarts.push_back(t.host.glides.size()); };
    t.Drag(Card(9, 'S'), 13); // the player's move; the sweep follows

    std::vector<int> sent;
    for (const auto& g : t.host.glides) sent.push_back(g[0]);
    EXPECT_EQ(sent, (std::vector<int>{Card(1, 'C'), Card(1, 'D'),               // pass 1
                                      Card(2, 'C'), Card(3, 'C'), Card(2, 'D'), // pass 2
                                      Card(4, 'C')}));                          // pass 3
    EXPECT_EQ(passStarts, (std::vector<size_t>{0, 2, 5, 6})) << "a fourth pass finds nothing";
    EXPECT_EQ(t.Cards(17), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(t.Cards(18), (std::vector<int>{14, 15}));
    EXPECT_EQ(t.host.glides[0], (std::array<int, 3>{1, 69, 0}));
    EXPECT_EQ(t.host.glides[2], (std::array<int, 3>{2, 1, 0}));
    EXPECT_EQ(t.host.glides[4], (std::array<int, 3>{15, 14, 0}));
    EXPECT_TRUE(t.s.MovesList.empty()) << "foundation moves empty the history";
    EXPECT_TRUE(t.host.gameOvers.empty());
    EXPECT_EQ(t.s.MoveStatus, Yes);
}

TEST(Sweep, EverySendGlides) {
    EngineTable t;
    t.Deal(Chains());
    t.s.Speed = 25;
    t.Drag(Card(9, 'S'), 13);
    ASSERT_EQ(t.host.glides.size(), 6u);
    for (const auto& g : t.host.glides) EXPECT_EQ(g[2], 23);
    EXPECT_EQ(t.host.processEventsCalls, 4 + 6 * 23);
}

TEST(Sweep, WithAutoMoveOffNothingFollowsTheMove) {
    EngineTable t;
    t.Deal(Chains());
    EXPECT_EQ(t.s.AutoMove, Yes);
    t.game.ToggleAutoMove();
    EXPECT_EQ(t.s.AutoMove, No);
    EXPECT_TRUE(t.host.glides.empty()) << "switching does not start a sweep";
    t.Drag(Card(9, 'S'), 13);
    EXPECT_TRUE(t.host.glides.empty());
    EXPECT_EQ(t.s.Piles[17], "");
    EXPECT_EQ(t.s.MoveStatus, Yes) << "the end check ran";
    EXPECT_EQ(t.host.processEventsCalls, 0);
    t.game.ToggleAutoMove();
    EXPECT_EQ(t.s.AutoMove, Yes);
    EXPECT_TRUE(t.host.glides.empty());
    t.Drag(Card(8, 'S'), 14);
    EXPECT_EQ(t.host.glides.size(), 6u);
}

} // namespace
} // namespace zarn::test
