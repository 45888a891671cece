// Engine speed: one seeded random session of 1,000,000 actions (drags, clicks, sends,
// undos, deals, commands during glides), as the property test plays them.

#include "game/Shuffle.h"
#include "tests/game/PropertyModel.h"

#include <benchmark/benchmark.h>

namespace {

constexpr long SessionActions = 1000000;

// state.range(0): 1 runs the property checks after every action as well.
void EngineActions(benchmark::State& state) {
    zarn::test::SessionOptions options;
    options.check = state.range(0) != 0;
    options.pointerOverTableMidGlide = false;
    long actions = 0, deals = 0;
    for (auto _ : state) {
        zarn::test::RandomSession session(1, options);
        for (long i = 0; i < SessionActions; ++i)
            if (!session.Step()) {
                state.SkipWithError(session.failure().c_str());
                break;
            }
        const zarn::test::SessionStats& stats = session.stats();
        actions += stats.actions;
        // Every new deal shuffles: the player's, and Yes to the game-over question.
        deals += stats.deals + stats.won + stats.blocked;
        benchmark::DoNotOptimize(session.state().MoveCount);
    }
    state.counters["actions_per_second"] =
        benchmark::Counter(static_cast<double>(actions), benchmark::Counter::kIsRate);
    state.counters["deals"] = static_cast<double>(deals);
}
BENCHMARK(EngineActions)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

// One new deal's shuffle (10 x 52 exchanges, the clock mixed in before
// every draw), for reading the figure above: deals come with every game over.
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
