#pragma once
// The random dealing order of a new game.

#include "game/GameState.h"

#include <cstdint>
#include <functional>
#include <random>

namespace zarn {

// Random numbers in [0, 1). The engine is seeded once; seeding "with the time of day"
// mixes the time into a salt laid over every draw, so the engine's sequence never
// restarts and the draws go on even while the clock stands still.
class RandomSource {
public:
    RandomSource();                            // seeded from std::random_device
    explicit RandomSource(std::uint64_t seed); // repeatable, for tests
    void seedWithTime(float secondsSinceMidnight);
    float next();

    // The clock used by ShuffleDeck; the local time of day by default.
    std::function<float()> timeOfDay;

private:
    std::mt19937_64 engine_;
    std::uint64_t salt_ = 0;
};

float SecondsSinceMidnight();

// Empties the piles and the history, resets the move state and shuffles Deck by
// 10 x 52 exchanges; SavedDeck receives the result.
void ShuffleDeck(GameState& s, RandomSource& random);
// The part of ShuffleDeck that comes before the exchanges, for a given order.
void ResetForNewDeal(GameState& s);

} // namespace zarn

namespace zarn {
// A new deal with a given order in place of the random one (Deck 1..52 = order).
void SetDealOrder(GameState& s, const std::array<i16, 52>& order);
} // namespace zarn
