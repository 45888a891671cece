// Engine speed: the random sessions of the engine's property test, and one new deal's
// shuffle.

#include "game/Shuffle.h"
#include "tests/game/Session.h"

#include <benchmark/benchmark.h>

namespace {

// Ten seeded sessions of 10,000 actions each (tests/game/Session.h): drags through the
// pointer routing, double-clicks, undos, deals, resets, card-size changes, glide speeds.
// Argument 0 plays them alone, 1 with the model's checks after every action.
void EngineActions(benchmark::State& state) {
    long actions = 0, moves = 0, games = 0;
    for (auto _ : state) {
        for (std::uint64_t seed = 1; seed <= 10; ++seed) {
            zarn::test::Session session(seed, state.range(0) != 0);
            while (session.actions < 10000 && session.Step()) continue;
            if (!session.failure.empty()) state.SkipWithError(session.failure.c_str());
            actions += session.actions;
            moves += session.stats[zarn::test::Moves];
            games += session.stats[zarn::test::GameOvers];
        }
    }
    state.counters["actions_per_second"] =
        benchmark::Counter(double(actions), benchmark::Counter::kIsRate);
    state.counters["moves"] = double(moves);
    state.counters["game_overs"] = double(games);
}
BENCHMARK(EngineActions)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

// One new deal's shuffle (10 x 52 exchanges, the clock mixed in before every draw), for
// reading the figure above: every new deal has one.
void ShuffleOneDeck(benchmark::State& state) {
    zarn::GameState s;
    zarn::RandomSource random(1);
    random.timeOfDay = [] { return 43200.0f; };
    for (auto _ : state) {
        zarn::ShuffleDeck(s, random);
        benchmark::DoNotOptimize(s.Deck[1]);
    }
}
BENCHMARK(ShuffleOneDeck)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
