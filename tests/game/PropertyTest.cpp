// Seeded random sessions: thousands of drags, clicks, sends, undos and deals, with
// commands arriving during glides, each followed by the checks of RandomSession.

#include "tests/game/EngineFixture.h"
#include "tests/game/PropertyModel.h"

#include <gtest/gtest.h>

namespace zarn::test {
namespace {

SessionStats Play(std::uint64_t seed, int actions, SessionOptions options) {
    RandomSession session(seed, options);
    for (int i = 0; i < actions; ++i)
        if (!session.Step()) {
            ADD_FAILURE() << session.failure();
            break;
        }
    return session.stats();
}

SessionStats& operator+=(SessionStats& a, const SessionStats& b) {
    a.actions += b.actions;
    a.drags += b.drags;
    a.legalDrags += b.legalDrags;
    a.movesRecorded += b.movesRecorded;
    a.doubleClicks += b.doubleClicks;
    a.rightSends += b.rightSends;
    a.reveals += b.reveals;
    a.undos += b.undos;
    a.undoChecks += b.undoChecks;
    a.fullUndos += b.fullUndos;
    a.resets += b.resets;
    a.deals += b.deals;
    a.sizeChanges += b.sizeChanges;
    a.autoMoveToggles += b.autoMoveToggles;
    a.glideSteps += b.glideSteps;
    a.injected += b.injected;
    a.won += b.won;
    a.blocked += b.blocked;
    a.answeredNo += b.answeredNo;
    return a;
}

TEST(EngineProperty, RandomSessionsKeepEveryInvariant) {
    SessionStats total;
    for (std::uint64_t seed = 1; seed <= 8; ++seed) total += Play(seed, 3000, SessionOptions{});
    EXPECT_EQ(total.actions, 24000);
    EXPECT_GT(total.won, 10);
    // The sessions must have reached every corner they claim to test.
    EXPECT_GT(total.legalDrags, 2000);
    EXPECT_GT(total.movesRecorded, 1000);
    EXPECT_GT(total.undoChecks, 500);
    EXPECT_GT(total.fullUndos, 100);
    EXPECT_GT(total.doubleClicks, 500);
    EXPECT_GT(total.rightSends, 500);
    EXPECT_GT(total.reveals, 100);
    EXPECT_GT(total.resets + total.deals, 300);
    EXPECT_GT(total.sizeChanges, 10);
    EXPECT_GT(total.injected, 1000);
    EXPECT_GT(total.blocked, 20);
    EXPECT_GT(total.answeredNo, 0);
    std::printf("actions %ld, legal drags %ld, moves recorded %ld, undos checked %ld, "
                "injected %ld, won %ld, blocked %ld\n",
                total.actions, total.legalDrags, total.movesRecorded, total.undoChecks,
                total.injected, total.won, total.blocked);
}

// Nearly every yield of a glide or a sweep brings a command.
TEST(EngineProperty, CommandsDuringAutomaticPlayAreIgnored) {
    SessionOptions options;
    options.injectChance = 0.9;
    SessionStats total;
    for (std::uint64_t seed = 101; seed <= 103; ++seed) total += Play(seed, 1000, options);
    EXPECT_GT(total.injected, 1000);
}

TEST(EngineProperty, SnapshotsSeeEveryChangeUndoMustRestore) {
    EngineTable t;
    t.DealInOrder();
    const PileSnapshot dealt = TakeSnapshot(t.s);
    EXPECT_EQ(FirstDifference(dealt, TakeSnapshot(t.s)), "");
    t.s.PileOf[7] = 3;
    EXPECT_EQ(FirstDifference(dealt, TakeSnapshot(t.s)), "PileOf(7) is 3, expected 1");
    t.s.PileOf[7] = 1;
    t.s.PileCount[19] = 1;
    EXPECT_EQ(FirstDifference(dealt, TakeSnapshot(t.s)), "PileCount(19) is 1, expected 0");
    t.s.PileCount[19] = 0;
    t.s.Piles[9] += "  8,";
    EXPECT_EQ(FirstDifference(dealt, TakeSnapshot(t.s)),
              "pile 9 is \"  1,  8,\", expected \"  1,\"");
}

// A pointer move over the bare table while a double-clicked card glides, with DragCard
// still set from the last drop, must not snap the glide back: the card would be recorded
// as a move of no cards and cut off its pile without landing anywhere.
TEST(EngineProperty, PointerOverTableDuringDoubleClickGlideKeepsTheCard) {
    EngineTable t;
    t.DealInOrder(); // column 1 holds 5..10, column 3 holds 17..22 (the nine of diamonds on top)
    t.s.AutoMove = No;
    t.Drag(10, 13); // a completed drop: DragCard keeps 10
    ASSERT_EQ(t.s.PileOf[10], 13);
    ASSERT_EQ(t.s.DragCard, 10);
    t.SetPile(14, {21}); // the eight of diamonds alone on cell 14
    t.s.Speed = 9;
    t.host.onProcessEvents = [&] { t.game.PointerOverTable(); };
    t.game.DoubleClick(21); // glides to column 3
    t.host.onProcessEvents = nullptr;
    int piles = 0;
    for (int p = 1; p <= 20; ++p)
        for (int c : t.Cards(p)) piles += c == 21 ? 1 : 0;
    EXPECT_EQ(piles, 1) << "the eight of diamonds stands in " << piles << " piles";
    EXPECT_EQ(t.s.PileOf[21], 3);
    ASSERT_EQ(t.s.MovesList.size(), 6u);
    EXPECT_EQ(t.s.MovesList[1], "  1, 14,  3,");
    EXPECT_EQ(t.s.MovesList[2], " 21,");
}

// Pointer moves over the table during every kind of glide leave the piles alone.
TEST(EngineProperty, PointerOverTableDuringGlidesKeepsEveryInvariant) {
    SessionStats total;
    for (std::uint64_t seed = 201; seed <= 204; ++seed) total += Play(seed, 1500, SessionOptions{});
    EXPECT_GT(total.glideSteps, 1000);
}

} // namespace
} // namespace zarn::test
