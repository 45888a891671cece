// The engine played at random against the model of the rules, and the shuffle's draws,
// which neither those sessions nor the golden scripts can count.

#include "tests/game/Session.h"

#include <gtest/gtest.h>
#include <set>

namespace zarn::test {
namespace {

TEST(EngineProperty, RandomSessionsPlayByTheRules) {
    std::array<long, Stats> all{};
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        Session session(seed);
        while (session.actions < 4000 && session.Step()) continue;
        EXPECT_EQ(session.failure, "") << "seed " << seed;
        for (int i = 0; i < Stats; ++i) all[i] += session.stats[i];
    }
    // Every corner the sessions are meant to reach is reached.
    const std::array<long, Stats> least = {5000, 1000, 30, 5};
    for (int i = 0; i < Stats; ++i) EXPECT_GE(all[i], least[i]) << "statistic " << i;
}

TEST(Shuffle, TenPassesOf52ExchangesEachDrawAfterTheClock) {
    GameState s;
    RandomSource random(3);
    int clockReads = 0;
    random.timeOfDay = [&] { return ++clockReads, 100.0f; }; // a clock that stands still
    ShuffleDeck(s, random);
    EXPECT_EQ(clockReads, 10 * 52 * 2);
    for (int i = 1; i <= 72; ++i) EXPECT_EQ(s.SavedDeck[i], i > 52 ? i : s.Deck[i]);
    std::array<std::set<int>, 53> dealt; // the cards each place got, deal after deal
    for (int d = 0; d < 200; ++d, ShuffleDeck(s, random))
        for (int i = 1; i <= 52; ++i) dealt[i].insert(s.Deck[i]);
    for (int i = 1; i <= 52; ++i) EXPECT_GT(dealt[i].size(), 40u) << "place " << i;
}

} // namespace
} // namespace zarn::test
