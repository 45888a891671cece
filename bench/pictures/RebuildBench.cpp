// A full rebuild of the 76 card pictures (artwork parsed, five strips rendered, pictures
// cut, deal laid out) at the smallest, default and largest card size, at ratios 1 and 2.

#include "game/PictureTable.h"
#include "play/TableCommands.h"
#include "table/CardMetrics.h"
#include "table/Pictures/CardPictures.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// The card-size command as the window runs it: the pictures made in cardSizeChanged.
struct Host : zarn::GameHost {
    zarn::TableCommands* commands = nullptr;
    zarn::GameState* s = nullptr;
    zarn::CardArtwork* art = nullptr;
    qreal dpr = 1;
    zarn::CardPictures kept;
    void processEvents() override {}
    bool showGameOver(bool) override { return false; }
    void setSizeCommandsEnabled(bool) override {}
    void layOutDeal() override { commands->LayOut(); }
    void cardSizeChanged() override { kept = zarn::ComposeCardPictures(*art, *s, dpr); }
};

void Rebuild(benchmark::State& state) {
    const float scale = float(state.range(0)) / 100.0f;
    const qreal dpr = qreal(state.range(1));
    zarn::PictureTable surface;
    Host host;
    zarn::Game game(surface, host);
    zarn::TableCommands commands(game, host);
    zarn::GameState& s = game.state();
    s.TwipsPerPixelX = 15;
    for (int i = 1; i <= 52; ++i) s.Deck[i] = zarn::i16(i);
    host.commands = &commands;
    host.s = &s;
    host.dpr = dpr;
    for (auto _ : state) {
        // One step up from just below the size measured: the artwork is read anew each time.
        zarn::ApplyCardScale(s, scale - 0.02f, zarn::SizeOccasion::StartUp);
        zarn::CardArtwork art(QStringLiteral("/nonexistent"));
        host.art = &art;
        commands.ChangeCardSize(true);
    }
    benchmark::DoNotOptimize(host.kept.image[1].constBits());
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
