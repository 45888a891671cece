// What a press does: lift and grab, the covered-ace reveal, the right-button send,
// and the lifted cards following the pointer.

#include "tests/game/EngineFixture.h"

#include <gtest/gtest.h>

namespace zarn::test {
namespace {

class Press : public ::testing::Test {
protected:
    EngineTable t;
    void SetUp() override {
        t.DealInOrder(); // column 2: J, Q, K of clubs, then A, 2, 3 of diamonds on top
        t.s.AutoMove = No;
    }
    std::vector<int> FrontOfDrawing(int n) const {
        const auto& order = t.surface.drawingOrder();
        return std::vector<int>(order.end() - n, order.end());
    }
};

TEST_F(Press, ALiftBringsTheGroupToTheFrontAndItFollowsThePointerFanned) {
    t.game.Press(20, MouseButton::Left, 30, 45); // seven, eight, nine of diamonds
    ASSERT_EQ(t.s.MovingCards[0], 3);
    EXPECT_EQ(t.s.DragCard, 20);
    EXPECT_EQ(t.s.GrabX, 30);
    EXPECT_EQ(t.s.GrabY, 45);
    EXPECT_EQ(FrontOfDrawing(3), (std::vector<int>{20, 21, 22}));
    const float fan = t.s.FanStep;

    t.game.DragOverTable(7000, 8000); // over the bare table: fanned under the pointer
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t.surface.left(20 + i), 7000 - 30);
        EXPECT_EQ(t.surface.top(20 + i), 8000 - 45 + i * fan);
    }
    t.game.DragOverPicture(20, 50, 60); // over the pressed card: shifted by the pointer's move
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t.surface.left(20 + i), 7000 - 30 + 20);
        EXPECT_EQ(t.surface.top(20 + i), 8000 - 45 + 15 + i * fan);
    }
    const float l5 = t.surface.left(5), t5 = t.surface.top(5);
    t.game.DragOverPicture(5, 100, 200); // over another card: placed from that card
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(t.surface.left(20 + i), l5 + 100 - 30);
        EXPECT_EQ(t.surface.top(20 + i), t5 + 200 - 45 + i * fan);
    }
    EXPECT_EQ(t.surface.left(5), l5) << "the card under the pointer stays";
}

TEST_F(Press, ARefusedLiftOrAFoundationCardStartsNothing) {
    t.SetPile(13, {40});
    t.SetPile(14, {41});
    t.SetPile(15, {42});
    t.SetPile(16, {43}); // no empty cell: the J, Q, K... of column 2 cannot be lifted
    t.game.Press(11, MouseButton::Left, 30, 45);
    EXPECT_EQ(t.s.MovingCards[0], -1);
    EXPECT_EQ(t.s.GrabX, 0);
    EXPECT_EQ(t.s.GrabY, 0);
    EXPECT_EQ(t.s.DragCard, 0);

    t.game.Press(1, MouseButton::Right, 10, 10); // ace of clubs home
    ASSERT_EQ(t.s.PileOf[1], 17);
    const auto order = t.surface.drawingOrder();
    for (auto button : {MouseButton::Left, MouseButton::Right, MouseButton::Middle})
        t.game.Press(1, button, 30, 45);
    EXPECT_EQ(t.s.MovingCards[0], -1);
    EXPECT_EQ(t.s.DragCard, 0);
    EXPECT_EQ(t.s.PileOf[1], 17);
    EXPECT_EQ(t.surface.drawingOrder(), order);
}

TEST_F(Press, ACoveredAceIsShownOnTopWhileTheButtonIsHeld) {
    for (auto button : {MouseButton::Left, MouseButton::Right}) {
        t.SetPile(3, {17, 18, 27, 19}); // the ace of hearts under the six of diamonds
        const GameState before = t.s;
        t.game.Press(27, button, 30, 45);
        EXPECT_TRUE(t.surface.isVisible(75));
        EXPECT_EQ(t.surface.left(75), t.surface.left(27));
        EXPECT_EQ(t.surface.top(75), t.surface.top(27));
        EXPECT_EQ(FrontOfDrawing(1), std::vector<int>{75});
        EXPECT_EQ(t.s.MovingCards[0], -1);
        EXPECT_EQ(t.s.DragCard, 0);
        EXPECT_EQ(t.s.Piles, before.Piles);
        for (int r = 73; r <= 76; ++r) EXPECT_EQ(t.surface.isVisible(r), r == 75) << r;
        t.game.Release();
        EXPECT_FALSE(t.surface.isVisible(75));
    }
    // A covered card that is no ace: the right button does nothing.
    const GameState before = t.s;
    t.game.Press(18, MouseButton::Right, 30, 45);
    EXPECT_EQ(t.s.Piles, before.Piles);
    EXPECT_EQ(t.s.MovingCards[0], -1);
    for (int r = 73; r <= 76; ++r) EXPECT_FALSE(t.surface.isVisible(r));
    // Passing over the shown ace hides it as well.
    t.game.Press(27, MouseButton::Left, 30, 45);
    t.game.PointerOverPicture(75);
    EXPECT_FALSE(t.surface.isVisible(75));
}

TEST_F(Press, ARightPressSendsATopCardHomeAndNothingMore) {
    t.s.AutoMove = Yes;
    t.s.Speed = 16;
    t.game.Press(2, MouseButton::Right, 10, 10); // two of clubs: no ace home yet
    EXPECT_EQ(t.s.PileOf[2], 10);
    EXPECT_TRUE(t.host.glides.empty());
    EXPECT_TRUE(t.host.sizeCommandCalls.empty());
    t.game.Press(15, MouseButton::Right, 10, 10); // covered two of diamonds
    EXPECT_EQ(t.s.PileOf[15], 2);

    t.game.Press(1, MouseButton::Right, 10, 10);
    EXPECT_EQ(t.Cards(17), std::vector<int>{1});
    EXPECT_EQ(t.host.glides, (std::vector<std::array<int, 3>>{{1, 69, 14}}));
    EXPECT_EQ(t.host.sizeCommandCalls, std::vector<bool>{false});
    // No sweep follows, though the two of clubs now fits, and no end check.
    EXPECT_EQ(t.s.PileOf[2], 10);
    EXPECT_TRUE(t.host.gameOvers.empty());
    EXPECT_EQ(t.s.MoveStatus, Yes);
    EXPECT_TRUE(t.s.MovesList.empty());
}

} // namespace
} // namespace zarn::test
