// Resident memory of the real game window: after start-up, and after 1,000 games
// played through the engine on it (random double-clicks and right-button sends on top
// cards, undos, and "Deal Again" when a game stalls or ends).
#include "bench/support/BenchWindow.h"
#include "game/Cards.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

void PlayGames(benchmark::State& state) {
    zarn::bench::BenchWindow bench("00.920\r\n 1 \r\n 3 \r\nY\r\n", 11);
    zarn::MainWindow& window = *bench.window;
    const double startUp = zarn::bench::ResidentMegabytes();

    std::mt19937 random(5);
    long games = 0;
    for (auto _ : state) {
        for (games = 0; games < 1000; ++games) {
            zarn::GameState& s = window.state();
            for (int action = 0; action < 60; ++action) {
                const int pile = int(random() % 16) + 1;
                const int card = zarn::TopCard(s, pile);
                if (card > 52) continue;
                switch (random() % 4) {
                case 0:
                    window.game().UndoLastMove();
                    break;
                case 1:
                    window.game().Press(card, zarn::MouseButton::Right, 10, 10);
                    break;
                default:
                    window.game().DoubleClick(card);
                    break;
                }
            }
            window.actions().dealAgain->trigger();
        }
        QApplication::processEvents();
    }
    state.counters["rss_start_mb"] = startUp;
    state.counters["rss_after_games_mb"] = zarn::bench::ResidentMegabytes();
    state.counters["games"] = double(games);
}
BENCHMARK(PlayGames)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    return zarn::bench::RunWindowBenchmarks(argc, argv);
}
