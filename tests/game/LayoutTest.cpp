// Where the layout puts every pile, the speed panel and the foundation frame, and the
// smallest window the table allows.

#include "tests/game/EngineFixture.h"

#include <charconv>
#include <gtest/gtest.h>

namespace zarn::test {
namespace {

std::string Shortest(float v) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
}

void ExpectHome(const GameState& s, int picture, int x, int y) {
    EXPECT_EQ(s.CardHomeX[picture], x) << "picture " << picture;
    EXPECT_EQ(s.CardHomeY[picture], y) << "picture " << picture;
}

TEST(Layout, TheDealAtScale092ComesOutToTheLastDigit) {
    EngineTable t(1, 0.92f);
    const GameState& s = t.s;
    EXPECT_EQ(s.CardWidth, 979);
    EXPECT_EQ(s.CardHeight, 1347);
    EXPECT_EQ(s.FanStep, 269);
    EXPECT_EQ(t.surface.left(0), 244.75f);
    EXPECT_EQ(t.surface.top(0), 336.75f);
    t.DealInOrder();

    const int cellX[] = {343, 1420, 2496, 3573};
    for (int k = 0; k < 4; ++k) {
        ExpectHome(s, 61 + k, cellX[k], 337);
        ExpectHome(s, 65 + k, cellX[k], 1852);
        ExpectHome(s, 1 + k, cellX[k], 337); // the dealt cell cards
    }
    const int foundationX[] = {5238, 6315, 7391, 8468};
    for (int k = 0; k < 4; ++k) ExpectHome(s, 69 + k, foundationX[k], 1011);
    const int columnX[] = {441, 1615, 2790, 3965, 5140, 6315, 7489, 8664};
    const int rowY[] = {3772, 4045, 4317, 4590, 4863, 5135};
    for (int p = 1; p <= 8; ++p) {
        ExpectHome(s, MarkerOf(p), columnX[p - 1], 3772);
        const auto cards = t.Cards(p);
        for (int r = 0; r < 6; ++r) ExpectHome(s, cards[r], columnX[p - 1], rowY[r]);
    }

    EXPECT_EQ(s.WindowWidth, 9937);
    EXPECT_EQ(s.WindowHeight, 9176);
    EXPECT_EQ(s.SpeedFrameLeft, 5237.65f);
    EXPECT_EQ(s.SpeedFrameTop, 558.35f);
    EXPECT_EQ(s.CornerLeft, 5140.1f);
    EXPECT_EQ(s.CornerTop, 929.4167f);
    EXPECT_EQ(s.CornerWidth, 4447.457f);
    EXPECT_EQ(s.CornerHeight, 1542.8f);
    EXPECT_EQ(Shortest(s.SpeedFrameLeft), "5237.65");
    EXPECT_EQ(Shortest(s.SpeedFrameTop), "558.35");
    EXPECT_EQ(Shortest(s.CornerLeft), "5140.1");
    EXPECT_EQ(Shortest(s.CornerTop), "929.4167");
    EXPECT_EQ(Shortest(s.CornerWidth), "4447.457");
    EXPECT_EQ(Shortest(s.CornerHeight), "1542.8");
    const WindowSize min = MinimumWindowSize(s, t.surface);
    EXPECT_EQ(min.width, 9937);
    EXPECT_EQ(min.height, 9176);
}

TEST(Layout, TheMinimumWindowFollowsColumnEightOnly) {
    EngineTable t;
    t.DealInOrder();
    t.s.AutoMove = No;
    const int H = t.s.CardHeight;
    // A taller column 1 does not matter.
    t.SetPile(1, {5, 6, 7, 8, 9, 10, 30, 31, 32, 33});
    EXPECT_EQ(MinimumWindowSize(t.s, t.surface).height, 9176);
    // Column 8 rebuilt by the moves' fan: its top card decides.
    t.SetPile(8, {47, 48, 49, 50, 51, 52, 25});
    const float top = t.surface.top(25);
    EXPECT_EQ(top, 3772.0f + 6 * 269);
    EXPECT_EQ(MinimumWindowSize(t.s, t.surface).height, RoundEven(top + 3.0 * H));
    EXPECT_EQ(MinimumWindowSize(t.s, t.surface).height, 9427);
    // Column 8 empty: its marker is consulted.
    t.SetPile(8, {});
    EXPECT_EQ(MinimumWindowSize(t.s, t.surface).height, RoundEven(RoundEven(2.8 * H) + 3.0 * H));
    EXPECT_EQ(MinimumWindowSize(t.s, t.surface).height, 7813);
    EXPECT_EQ(MinimumWindowSize(t.s, t.surface).width, 9937);
}

TEST(Layout, ACardSizeChangeKeepsTheOriginAndFansByAFourPointSevenFifth) {
    EngineTable t(1, 0.92f);
    ApplyCardScale(t.s, IncreasedScale(t.s.SizeScale), SizeOccasion::SizeChange);
    EXPECT_EQ(t.s.CardWidth, 1000);  // 13836 x 0.94 / 13 = 1000.4
    EXPECT_EQ(t.s.CardHeight, 1376); // 1464 x 0.94 = 1376.2
    EXPECT_EQ(t.s.FanStep, 290);     // 1376 / 4.75 = 289.7
    t.DealInOrder();
    // The origin is still the start-up one: 979 / 4 and 1347 / 4.
    EXPECT_EQ(t.s.CardHomeY[61], 337);
    EXPECT_EQ(t.s.CardHomeX[61], RoundEven(244.75f - 1000 + 1100.0));
    EXPECT_EQ(t.s.CardHomeY[53], RoundEven(2.8 * 1376));

    ApplyCardScale(t.s, 0.92f, SizeOccasion::SizeChange);
    EXPECT_EQ(t.s.FanStep, 284); // 1347 / 4.75 = 283.6, where start-up gives 269
    EXPECT_EQ(DecreasedScale(0.4f), 0.4f);
    EXPECT_EQ(IncreasedScale(2.0f), 2.0f);
}

} // namespace
} // namespace zarn::test
