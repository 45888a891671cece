#include "game/Shuffle.h"

#include "game/Cards.h"

#include <bit>
#include <chrono>
#include <ctime>
#include <utility>

namespace zarn {

RandomSource::RandomSource() : timeOfDay(SecondsSinceMidnight) {
    std::random_device device;
    std::seed_seq seq{device(), device(), device(), device()};
    engine_.seed(seq);
}

RandomSource::RandomSource(std::uint64_t seed) : timeOfDay(SecondsSinceMidnight), engine_(seed) {}

void RandomSource::seedWithTime(float secondsSinceMidnight) {
    // A splitmix64 step over the old salt and the clock: cheap, and every bit of the
    // time reaches every bit of the salt. (Reseeding the engine itself would cost a
    // whole state regeneration per draw.)
    std::uint64_t z =
        salt_ + std::bit_cast<std::uint32_t>(secondsSinceMidnight) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    salt_ = z ^ (z >> 31);
}

float RandomSource::next() {
    // 24 random bits give every float of [0, 1) on the 2^-24 grid, never 1. The salt
    // changes which bits come out, not how evenly they are spread.
    return static_cast<float>((engine_() ^ salt_) >> 40) * (1.0f / 16777216.0f);
}

float SecondsSinceMidnight() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    auto fraction = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return static_cast<float>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) +
           static_cast<float>(fraction) / 1000.0f;
}

void ResetForNewDeal(GameState& s) {
    for (int p = 1; p <= PileTotal; ++p) {
        s.Piles[p].clear();
        s.PileCount[p] = 0;
    }
    s.GrabX = 0;
    s.GrabY = 0;
    s.MoveStatus = -1;
    s.MovesList.clear();
    s.EntryStopovers.clear();
    for (int i = 53; i <= 72; ++i) s.Deck[i] = static_cast<i16>(i);
    for (int i = 1; i <= 52; ++i) s.Deck[i] = static_cast<i16>(i);
}

static int DrawPosition(RandomSource& random) {
    random.seedWithTime(random.timeOfDay());
    int a = static_cast<int>(random.next() * 52) + 1;
    return a > 52 ? 52 : a;
}

void ShuffleDeck(GameState& s, RandomSource& random) {
    ResetForNewDeal(s);
    for (int pass = 0; pass < 10; ++pass) {
        for (int i = 0; i < 52; ++i) {
            int a = DrawPosition(random);
            int b = DrawPosition(random);
            std::swap(s.Deck[a], s.Deck[b]);
        }
    }
    for (int i = 1; i <= 72; ++i) s.SavedDeck[i] = s.Deck[i];
}

} // namespace zarn

namespace zarn {
void SetDealOrder(GameState& s, const std::array<i16, 52>& order) {
    ResetForNewDeal(s);
    for (int i = 1; i <= 52; ++i) s.Deck[i] = order[i - 1];
    for (int i = 1; i <= 72; ++i) s.SavedDeck[i] = s.Deck[i];
}
} // namespace zarn
