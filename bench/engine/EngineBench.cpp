// Engine speed.

#include "game/Shuffle.h"

#include <benchmark/benchmark.h>

namespace {

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
