// A full rebuild of the 76 card pictures (artwork parsed, five strips rendered, pictures
// cut, deal laid out) at the smallest, default and largest card size, at ratios 1 and 2.

#include "game/GameHost.h"
#include "game/InMemorySurface.h"
#include "table/CardMetrics.h"
#include "table/Layout.h"
#include "table/Pictures/CardPictures.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

struct Host : zarn::GameHost {
    zarn::GameState* s;
    zarn::InMemorySurface* surface;
    void processEvents() override {}
    bool showGameOver(bool) override { return false; }
    void setSizeCommandsEnabled(bool) override {}
    void layOutDeal() override { zarn::LayOutDeal(*s, *surface); }
};

void Rebuild(benchmark::State& state) {
    const float scale = float(state.range(0)) / 100.0f;
    const qreal dpr = qreal(state.range(1));
    zarn::GameState s;
    s.TwipsPerPixelX = 15;
    zarn::ApplyCardScale(s, scale, zarn::SizeOccasion::StartUp);
    for (int i = 1; i <= 52; ++i) s.Deck[i] = zarn::i16(i);
    zarn::InMemorySurface surface;
    Host host;
    host.s = &s;
    host.surface = &surface;
    zarn::CardPictures kept;
    for (auto _ : state)
        zarn::RebuildCardPictures(s, surface, host, scale, "/nonexistent", dpr,
                                  [&](const zarn::CardPictures& p) { kept = p; });
    benchmark::DoNotOptimize(kept.image[1].constBits());
}

} // namespace

BENCHMARK(Rebuild)
    ->ArgsProduct({{40, 92, 200}, {1, 2}})
    ->ArgNames({"scale%", "dpr"})
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
