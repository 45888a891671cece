// The sweep after a move: pass after pass over piles 1..16, each fitting top card sent
// home with a glide; a card uncovered in a pass waits for the next one.

#include "tests/game/Arrange.h"
#include "tests/game/EngineFixture.h"

#include <gtest/gtest.h>

namespace zarn::test {
namespace {

TEST(Sweep, SendsEveryFittingTopCardPassByPass) {
    EngineTable t;
    t.Deal(SweepChains());
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
    t.Deal(SweepChains());
    t.s.Speed = 25;
    t.Drag(Card(9, 'S'), 13);
    ASSERT_EQ(t.host.glides.size(), 6u);
    for (const auto& g : t.host.glides) EXPECT_EQ(g[2], 23);
    EXPECT_EQ(t.host.processEventsCalls, 4 + 6 * 23);
}

TEST(Sweep, WithAutoMoveOffNothingFollowsTheMove) {
    EngineTable t;
    t.Deal(SweepChains());
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
