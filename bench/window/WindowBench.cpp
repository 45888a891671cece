// The real game window, offscreen: one glide step on the table widget and the default
// glide of 5,625 steps. (Start-up is measured by bench/startup.)
#include "bench/support/BenchWindow.h"
#include "game/Cards.h"
#include "game/Rules.h"
#include "ui/MainWindow.h"
#include "ui/TableWidget.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A shown window on the default settings in a temporary folder.
struct Table : zarn::bench::BenchWindow {
    // A card at the bottom of the table and a target far from it: column 1's top card
    // towards the last foundation's marker.
    int card() const { return zarn::TopCard(window->state(), 1); }
    int target() const { return zarn::MarkerOf(20); }
};

// One step as the glide makes it: let the window system run, then move the card.
void GlideStep(benchmark::State& state) {
    Table t;
    zarn::TableWidget* table = t.window->table();
    const zarn::GameState& s = t.window->state();
    const int card = t.card();
    const float x0 = s.CardHomeX[card], y0 = s.CardHomeY[card];
    const float dx = (s.CardHomeX[t.target()] - x0) / 5625.0f;
    const float dy = (s.CardHomeY[t.target()] - y0) / 5625.0f;
    table->bringToFront(card);
    long i = 0;
    for (auto _ : state) {
        QCoreApplication::processEvents();
        const long k = i++ % 5625;
        table->move(card, x0 + float(k) * dx, y0 + float(k) * dy);
    }
    table->move(card, x0, y0);
}
BENCHMARK(GlideStep)->Unit(benchmark::kMicrosecond);

// The engine's own glide at the default speed (bar 75: 5,625 steps), card back home
// after each.
void DefaultGlide(benchmark::State& state) {
    Table t;
    zarn::GameState& s = t.window->state();
    const int card = t.card();
    for (auto _ : state) {
        zarn::HoldSingle(s, card);
        t.window->game().GlideCard(card, t.target());
        t.window->table()->move(card, s.CardHomeX[card], s.CardHomeY[card]);
        s.MovingCards[0] = -1;
        QCoreApplication::processEvents();
    }
    state.counters["steps"] = s.Speed;
}
BENCHMARK(DefaultGlide)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return zarn::bench::RunWindowBenchmarks(argc, argv);
}
