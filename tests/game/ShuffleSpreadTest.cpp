// The dealing order: every card as likely in every place, new deals even while the
// clock stands still, and repeatable from a fixed seed and clock.

#include "game/Shuffle.h"

#include <array>
#include <gtest/gtest.h>
#include <set>

namespace zarn {
namespace {

std::array<i16, 52> Deal(GameState& s, RandomSource& random) {
    ShuffleDeck(s, random);
    std::array<i16, 52> order{};
    for (int i = 1; i <= 52; ++i) order[i - 1] = s.Deck[i];
    return order;
}

TEST(ShuffleSpread, EveryCardIsAsLikelyInEveryPlaceWithAStoppedClock) {
    GameState s;
    RandomSource random(11);
    random.timeOfDay = [] { return 43200.0f; };
    constexpr int Deals = 20800;                 // 400 per place
    std::array<std::array<int, 52>, 53> where{}; // where[card][place]
    for (int d = 0; d < Deals; ++d) {
        const auto order = Deal(s, random);
        for (int place = 0; place < 52; ++place) ++where[order[place]][place];
    }
    // A chi-square test per card over 52 places (51 degrees of freedom: mean 51, spread
    // about 10). 120 is far out for a sound shuffle and well inside for a biased one
    // (a card kept in its dealt place one time in twenty already scores above 400).
    const double expected = Deals / 52.0;
    for (int card = 1; card <= 52; ++card) {
        double chi2 = 0;
        for (int place = 0; place < 52; ++place) {
            const double d = where[card][place] - expected;
            chi2 += d * d / expected;
        }
        EXPECT_LT(chi2, 120.0) << "card " << card;
    }
}

TEST(ShuffleSpread, DealsAreNewEachTimeAndRepeatableFromTheSameSeedAndClock) {
    GameState s;
    RandomSource a(5), b(5), c(5);
    a.timeOfDay = b.timeOfDay = [] { return 100.5f; };
    c.timeOfDay = [] { return 100.75f; };
    std::set<std::array<i16, 52>> seen;
    for (int d = 0; d < 50; ++d) {
        const auto fromA = Deal(s, a);
        const auto fromB = Deal(s, b);
        const auto fromC = Deal(s, c);
        EXPECT_EQ(fromA, fromB) << "deal " << d;
        EXPECT_NE(fromA, fromC) << "deal " << d << ": the clock left no mark";
        EXPECT_TRUE(seen.insert(fromA).second) << "deal " << d << " came round again";
        std::array<bool, 53> once{};
        for (i16 card : fromA) {
            ASSERT_TRUE(card >= 1 && card <= 52 && !once[card]);
            once[card] = true;
        }
    }
}

} // namespace
} // namespace zarn
