// Menu commands and clicks that arrive while cards glide or the sweep runs: the table
// commands are ignored until automatic play has ended, and the move in progress ends
// as if nothing had come.

#include "tests/game/Arrange.h"
#include "tests/game/EngineFixture.h"

#include <gtest/gtest.h>

namespace zarn::test {
namespace {

class DuringPlay : public ::testing::Test {
protected:
    EngineTable t;
    std::vector<bool> ran; // what RunTableCommand answered, command by command

    void AllTableCommands() {
        ran.push_back(t.game.RunTableCommand([&] { t.game.NewGame(); }));
        ran.push_back(t.game.RunTableCommand([&] { RestartDeal(t.s, t.surface); }));
        ran.push_back(t.game.RunTableCommand([&] {
            ApplyCardScale(t.s, IncreasedScale(t.s.SizeScale), SizeOccasion::SizeChange);
            LayOutDeal(t.s, t.surface);
        }));
        ran.push_back(t.game.RunTableCommand([&] { t.game.UndoLastMove(); }));
    }
};

TEST_F(DuringPlay, CommandsDuringADoubleClickGlideAreIgnoredAndTheMoveEnds) {
    t.DealInOrder();
    t.s.AutoMove = No;
    t.Drag(16, 13);      // the three of diamonds to a cell: one entry to undo
    t.SetPile(14, {21}); // the eight of diamonds alone on a cell
    const int deck5 = t.s.Deck[5];
    t.s.Speed = 9;
    t.host.onProcessEvents = [&] {
        AllTableCommands();
        t.game.Press(10, MouseButton::Left, 10, 10);
        t.game.DoubleClick(16);
    };
    t.game.DoubleClick(21); // glides onto the nine of diamonds on column 3
    t.host.onProcessEvents = nullptr;

    EXPECT_EQ(ran.size(), 4u * 7);
    for (bool r : ran) EXPECT_FALSE(r);
    EXPECT_EQ(t.s.CardWidth, 979) << "the size did not change";
    EXPECT_EQ(t.s.Deck[5], deck5) << "no new deal";
    EXPECT_EQ(t.Cards(3).back(), 21);
    EXPECT_EQ(t.s.Piles[14], "");
    EXPECT_EQ(t.s.PileOf[16], 13) << "the double-click on the three was ignored";
    EXPECT_EQ(t.s.DragCard, 16) << "the press on the ten was ignored";
    EXPECT_EQ(t.s.MovingCards[0], -1);
    EXPECT_EQ(t.s.Busy, No);
    ASSERT_EQ(t.s.MovesList.size(), 6u);
    EXPECT_EQ(t.s.MovesList[1], "  1, 14,  3,");
    EXPECT_EQ(t.surface.left(21), t.surface.left(22)) << "landed, not left half-way";
    EXPECT_EQ(t.surface.top(21), t.surface.top(22) + t.s.FanStep);

    // Afterwards the same commands run.
    EXPECT_TRUE(t.game.RunTableCommand([&] { t.game.UndoLastMove(); }));
    EXPECT_EQ(t.Cards(14), std::vector<int>{21});
}

TEST_F(DuringPlay, ANewDealDuringTheSweepIsIgnoredAndTheSweepFinishesThisDeal) {
    // Columns 1..3 end in chains of clubs and diamonds that the sweep takes home in
    // three passes (six sends).
    t.Deal(SweepChains());
    const auto saved = t.s.SavedDeck;
    t.s.Speed = 4;
    int yields = 0, betweenGlides = 0;
    t.host.onProcessEvents = [&] {
        ++yields;
        if (t.s.Busy == No) ++betweenGlides;
        AllTableCommands();
    };
    t.Drag(Card(9, 'S'), 13);
    t.host.onProcessEvents = nullptr;
    EXPECT_EQ(betweenGlides, 4) << "once before each pass";
    EXPECT_EQ(yields, 4 + 6 * 2);
    for (bool r : ran) EXPECT_FALSE(r);
    EXPECT_EQ(t.s.SavedDeck, saved);
    EXPECT_EQ(t.Cards(17), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(t.Cards(18), (std::vector<int>{14, 15}));
    EXPECT_EQ(t.host.glides.size(), 6u);
    ExpectEachCardOnce(t);
}

TEST_F(DuringPlay, ARightButtonSendIgnoresAnUndoDuringItsGlide) {
    t.DealInOrder();
    t.s.AutoMove = No;
    t.Drag(16, 13);
    t.s.Speed = 16;
    t.host.onProcessEvents = [&] { AllTableCommands(); };
    t.game.Press(1, MouseButton::Right, 10, 10);
    for (bool r : ran) EXPECT_FALSE(r);
    EXPECT_EQ(ran.size(), 4u * 14);
    EXPECT_EQ(t.Cards(17), std::vector<int>{1});
    EXPECT_EQ(t.s.PileOf[16], 13) << "the undo did not run";
    EXPECT_TRUE(t.s.MovesList.empty());
    ExpectEachCardOnce(t);
}

TEST_F(DuringPlay, NoToTheQuestionStopsTheSweepAndNothingMovesAfterwards) {
    t.DealInOrder();
    t.s.Speed = 9;
    int glidesAtEnd = -1;
    // The player closes the game in the middle of the first glide of the sweep.
    t.host.onProcessEvents = [&] {
        if (t.s.Busy == Yes && glidesAtEnd < 0) {
            glidesAtEnd = static_cast<int>(t.host.glides.size());
            t.game.Abandon();
        }
    };
    t.Drag(10, 13); // the sweep would send the ace of spades and four clubs home
    t.host.onProcessEvents = nullptr;
    EXPECT_EQ(glidesAtEnd, 1);
    EXPECT_EQ(t.host.glides.size(), 1u);
    EXPECT_EQ(t.s.Busy, No);
    ExpectEachCardOnce(t);
    EXPECT_FALSE(t.game.RunTableCommand([] {}));
    t.game.DoubleClick(9);
    EXPECT_EQ(t.host.glides.size(), 1u);
}

} // namespace
} // namespace zarn::test
